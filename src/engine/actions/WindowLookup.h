#pragma once
// Finding the window an action names: a window title, optionally followed by ", " and a class
// name, as the action editor's window list offers them.

#include "engine/actions/ActionPorts.h"

#include <span>
#include <string_view>

namespace tav {

// The first of `windows` (top of the Z order first) whose title contains the title part or
// whose class name contains the class part, case-sensitively; an empty part never matches.
// With a "," the title part is the text before the first "," and the class part the text from
// two characters after it; without one, both parts are the whole of `names`. 0 when none.
TWindowHandle FindWindowByTitleOrClass(std::string_view names, std::span<const TTopWindow> windows);

} // namespace tav
