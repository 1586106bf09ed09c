#include "framework/win32/ProgramPath.h"

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
    const std::string path = ProgramFileName();
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

std::string ProgramTitle() {
    const std::string path = ProgramFileName();
    std::string name = path.substr(path.find_last_of("\\/:") + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace tav
