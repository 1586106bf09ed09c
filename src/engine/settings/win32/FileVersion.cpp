#include "engine/settings/win32/FileVersion.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace tav {

std::string GetFileVersionStr(const std::string& fileName) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return {};
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, data.data()))
        return {};
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &block, &length) || !block ||
        length < sizeof(VS_FIXEDFILEINFO))
        return {};
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, block, sizeof info);
    return std::to_string(HIWORD(info.dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info.dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info.dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info.dwFileVersionLS));
}

} // namespace tav
