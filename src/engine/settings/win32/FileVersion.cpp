#include "engine/settings/win32/FileVersion.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace tav {

std::optional<std::array<std::uint16_t, 4>> ReadFileVersionNumbers(const std::string& fileName) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, data.data()))
        return std::nullopt;
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &block, &length) || !block ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, block, sizeof info);
    return std::array<std::uint16_t, 4>{HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                                        HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS)};
}

std::string GetFileVersionStr(const std::string& fileName) {
    const auto numbers = ReadFileVersionNumbers(fileName);
    if (!numbers)
        return {};
    return std::to_string((*numbers)[0]) + "." + std::to_string((*numbers)[1]) + "." +
           std::to_string((*numbers)[2]) + "." + std::to_string((*numbers)[3]);
}

} // namespace tav
