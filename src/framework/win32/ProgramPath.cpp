#include "framework/win32/ProgramPath.h"

#include "framework/FileNames.h"

#include <windows.h>

namespace tav {

std::string ProgramFileName() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // cut short: the path is longer than the buffer
    }
}

std::string ProgramFolder() {
    return ExtractFilePath(ProgramFileName());
}

std::string ProgramTitle() {
    std::string name = ExtractFileName(ProgramFileName());
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace tav
