#pragma once
// Finding the window an action names: a window title, optionally followed by ", " and a class
// name, as the action editor's window list offers them.

#include <string_view>

namespace tav {

// Takes a window whose title contains the title part or whose class name contains the class
// part, case-sensitively; an empty part never matches. With a "," the title part is the text
// before the first "," and the class part the text from two characters after it; without one,
// both parts are the whole of `names`, which must outlive the match.
class TTitleOrClassMatch {
public:
    explicit TTitleOrClassMatch(std::string_view names);
    bool operator()(std::string_view title, std::string_view className) const;

private:
    std::string_view title_;
    std::string_view className_;
};

} // namespace tav
