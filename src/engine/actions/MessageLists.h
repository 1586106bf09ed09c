#pragma once
// The message lists a PostMessage action names its message from: the standard Windows messages,
// and the user's own messages of "MyMsgList.txt" in the program's folder. The action editor
// offers the same lists.

#include "engine/actions/ActionPorts.h"
#include "engine/actions/MessageNames.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The user's message list beside the program.
inline constexpr const char* kUserMessageListFile = "MyMsgList.txt";

// Of the user's list no more is read than a list of messages needs: its first lines, up to a
// number of lines and of bytes, and of each name its first characters (the editor offers every
// name in a list box, and the executor searches them at every firing).
inline constexpr std::size_t kMaxUserMessageLines = 1000;
inline constexpr std::size_t kMaxUserMessageBytes = 256 * 1024;
inline constexpr std::size_t kMaxUserMessageName = 128;

// The user's lines as read, and whether the file held more than was read.
struct TUserMessageList {
    std::vector<std::string> Lines;
    bool Cut = false;
};

class TMessageLists : public IMessageLists {
public:
    // Reads the user's list from `userListPath` once; a missing file leaves it empty.
    explicit TMessageLists(const std::string& userListPath);

    std::optional<std::string_view> MessageNumber(std::string_view name) const override {
        return table_.Resolve(name);
    }
    // The lines of both lists, as the editor offers them.
    const std::vector<std::string>& WindowsMessages() const { return table_.WindowsLines(); }
    const std::vector<std::string>& UserMessages() const { return table_.UserLines(); }
    // The user's list, and whether it held more lines or bytes than were read.
    const std::string& UserListPath() const { return userListPath_; }
    bool UserListCut() const { return userListCut_; }

private:
    TMessageLists(std::string userListPath, TUserMessageList userList);

    std::string userListPath_;
    bool userListCut_;
    TMessageNameTable table_;
};

} // namespace tav
