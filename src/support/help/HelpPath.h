#pragma once
// What the help shows and how it names it: the path handed to the viewer, a registry path that
// starts with %SystemRoot%, and a help command's name in the diagnostic log.

#include <string>
#include <string_view>

namespace tav::help {

// How the path is prefixed for the viewer that takes it.
enum class THelpPathPrefix { None = 0, MsItStore = 1, MsIts = 2 };

// "%20" in each part stands for a blank and blanks around a part do not count. A topic names a
// page inside the file ("file::/page.htm"), a window a window type of it (">main").
std::string BuildHelpPath(std::string_view file, std::string_view topic, std::string_view window,
                          THelpPathPrefix prefix);

// A text starting with %SystemRoot% (any case) gets the Windows folder in its place; any other
// text stays as it is.
void ExpandSystemRoot(std::string& text, std::string_view windowsFolder);

// The command's number with its name: "1 (HELP_CONTEXT)", "99 (??)".
std::string HelpCommandText(unsigned command);

} // namespace tav::help
