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

private:
    TMessageNameTable table_;
};

} // namespace tav
