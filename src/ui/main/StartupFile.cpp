#include "ui/main/StartupFile.h"

#include "framework/FileNames.h"

namespace tav {

std::string ChooseStartupFile(const std::vector<std::string>& arguments,
                              const std::string& lastFile, const std::string& programFolder) {
    if (arguments.empty())
        return lastFile;
    const std::string& argument = arguments.front();
    if (ExtractFileName(argument).empty())
        return {}; // a folder alone names no file
    return ExpandInFolder(argument, programFolder);
}

} // namespace tav
