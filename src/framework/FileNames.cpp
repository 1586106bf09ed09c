#include "framework/FileNames.h"

namespace tav {

namespace {
std::size_t FileNameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}
} // namespace

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, FileNameStart(path)));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(FileNameStart(path)));
}

std::string ExpandInFolder(std::string_view name, std::string_view folder) {
    if (FileNameStart(name) != 0)
        return std::string(name);
    return std::string(folder) + std::string(name);
}

} // namespace tav
