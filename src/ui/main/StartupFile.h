#pragma once
// Which configuration file the program opens when it starts: the one named on the command line
// (a bare name is looked for in the program's folder), else the one used last.

#include <string>
#include <vector>

namespace tav {

// `arguments` excludes the program's own name; `programFolder` ends with a separator.
std::string ChooseStartupFile(const std::vector<std::string>& arguments,
                              const std::string& lastFile, const std::string& programFolder);

} // namespace tav
