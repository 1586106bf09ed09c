#pragma once
// Names of remotes, commands, action items and layouts.

#include <string_view>

namespace tav {

// A name that shows nothing: empty, or blanks only. The editors give no record one (files that
// already hold one still load), and a command is never found by one: every text contains the
// empty text.
bool IsEmptyName(std::string_view name);

} // namespace tav
