#pragma once
// The message a PostMessage action names, looked up in the action editor's message lists.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tav {

// The value of the first line "name=value" whose name equals `name` without regard to case.
std::optional<std::string> ListValue(std::span<const std::string> lines, std::string_view name);

// The message number's hexadecimal text: the name's value in the Windows list; else, from the
// user list, the value's message part (after its first "=", when it has one, up to its first
// ","), itself replaced by its value when it is a name of the Windows list. None when neither
// list has the name.
std::optional<std::string> ResolveMessageName(std::string_view name,
                                              std::span<const std::string> windowsMessages,
                                              std::span<const std::string> userMessages);

} // namespace tav
