#pragma once
// The message a PostMessage action names, looked up in the action editor's message lists.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Both lists as one table, built once and searched by name: a firing finds its message without
// copying or splitting the lists' lines. Names compare without regard to case; where a list
// holds a name twice, its first line counts.
class TMessageNameTable {
public:
    // Lines of a name, "=" and a value. A Windows message's value is its number in hexadecimal
    // ("WM_CLOSE=0010"); a user message's is a message, wParam and lParam separated by ",".
    TMessageNameTable(std::vector<std::string> windowsMessages,
                      std::vector<std::string> userMessages);
    // Its entries point into its own lines.
    TMessageNameTable(const TMessageNameTable&) = delete;
    TMessageNameTable& operator=(const TMessageNameTable&) = delete;

    // The message number's hexadecimal text: the name's value in the Windows list; else, from
    // the user list, the value's message part (after its first "=", when it has one, up to its
    // first ","), itself replaced by its value when it is a name of the Windows list. None when
    // neither list has the name.
    std::optional<std::string_view> Resolve(std::string_view name) const;
    // The lines as they were given.
    const std::vector<std::string>& WindowsLines() const { return windowsLines_; }
    const std::vector<std::string>& UserLines() const { return userLines_; }

private:
    struct Entry {
        std::string_view Name;
        std::string_view Number;
    };
    static std::vector<Entry> Index(std::span<const std::string> lines);
    static std::optional<std::string_view> Find(std::span<const Entry> entries,
                                                std::string_view name);

    std::vector<std::string> windowsLines_;
    std::vector<std::string> userLines_;
    std::vector<Entry> windows_;
    std::vector<Entry> user_; // with their numbers resolved
};

} // namespace tav
