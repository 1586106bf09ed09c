#include "ui/main/StartupFile.h"

#include "framework/FileNames.h"
#include "framework/Text.h"

#include <algorithm>

namespace tav {

std::string ChooseStartupFile(const std::vector<std::string>& arguments,
                              const std::string& lastFile, const std::string& programFolder) {
    // The help's diagnostic switches are no file to open.
    const auto file = std::find_if(arguments.begin(), arguments.end(), [](const std::string& a) {
        return !AnsiSameText(a, "/debug") && !AnsiSameText(a, "-debug");
    });
    if (file == arguments.end())
        return lastFile;
    const std::string& argument = *file;
    if (ExtractFileName(argument).empty())
        return {}; // a folder alone names no file
    return ExpandInFolder(argument, programFolder);
}

} // namespace tav
