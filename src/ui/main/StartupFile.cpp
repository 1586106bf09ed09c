#include "ui/main/StartupFile.h"

namespace tav {

std::string ExtractFilePath(const std::string& path) {
    const std::size_t end = path.find_last_of("\\/:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string ChooseStartupFile(const std::vector<std::string>& arguments,
                              const std::string& lastFile, const std::string& programFolder) {
    if (arguments.empty())
        return lastFile;
    const std::string& argument = arguments.front();
    const std::string folder = ExtractFilePath(argument);
    if (argument.size() == folder.size())
        return {}; // a folder alone names no file
    return folder.empty() ? programFolder + argument : argument;
}

} // namespace tav
