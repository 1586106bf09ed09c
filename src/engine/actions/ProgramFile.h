#pragma once
// How an action starts the file it names: a program in a process of its own, anything else
// through the shell.

#include <string>
#include <string_view>

namespace tav {

// True when the extension of the file name's last component is EXE, COM or BAT (either case).
// A folder with a "." does not make the file a program. Quotes around the name are not part of
// it.
bool IsProgramFile(std::string_view file);

// The file, in quotes when it holds a blank and has none of its own, a blank and the parameters.
std::string ProgramCommandLine(std::string_view file, std::string_view parameters);

} // namespace tav
