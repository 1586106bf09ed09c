#pragma once
// Texts that the translation pass cannot reach (form captions, list-view column captions, the
// password prompt) are read straight from the language file's lines by the dialogs.

#include "framework/Component.h"

#include <string>
#include <string_view>

namespace tav {

// The lines of a text; a line ends at CR, LF or CR LF.
StringList SplitTextLines(std::string_view text);
// The lines of a text file. A missing file has no lines.
StringList LoadTextLines(const std::string& path);

// The value of the first line, in any section, whose text before its first "=" equals `key`
// without regard to letter case: everything after that "=", unchanged ("~" stays, blanks stay).
// Empty when no line matches; an empty value means "leave the text as it is".
std::string ReadDirectKey(const StringList& lines, std::string_view key);
std::string ReadDirectKey(const std::string& path, std::string_view key);

} // namespace tav
