#include "framework/FileNames.h"

#include "framework/Text.h"

#include <array>

namespace tav {

namespace {
std::size_t FileNameStart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// "\\.\" names a device; "\\?\" is a long file path only before a drive or "UNC\".
bool InDeviceNamespace(std::string_view path) {
    if (path.size() < 4 || !IsSeparator(path[0]) || !IsSeparator(path[1]) || !IsSeparator(path[3]))
        return false;
    if (path[2] == '.')
        return true;
    if (path[2] != '?')
        return false;
    const std::string_view rest = path.substr(4);
    const bool drive = rest.size() >= 2 && rest[1] == ':';
    const bool unc =
        rest.size() >= 4 && AnsiSameText(rest.substr(0, 3), "UNC") && IsSeparator(rest[3]);
    return !drive && !unc;
}

// The legacy device names hold in every folder; Windows ignores an extension and trailing
// blanks, dots and colons after them.
bool IsReservedDeviceName(std::string_view name) {
    name = name.substr(0, name.find('.'));
    while (!name.empty() && (name.back() == ' ' || name.back() == ':'))
        name.remove_suffix(1);
    static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN",    "AUX",
                                                               "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view reserved : kPlain)
        if (AnsiSameText(name, reserved))
            return true;
    return name.size() == 4 && name[3] >= '1' && name[3] <= '9' &&
           (AnsiSameText(name.substr(0, 3), "COM") || AnsiSameText(name.substr(0, 3), "LPT"));
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

bool NamesWindowsDevice(std::string_view path) {
    if (InDeviceNamespace(path))
        return true;
    // A colon ends a folder part too ("C:nul"), so the one that may close "COM1:" goes first.
    while (!path.empty() && path.back() == ':')
        path.remove_suffix(1);
    const std::size_t separator = path.find_last_of("\\/:");
    return IsReservedDeviceName(
        path.substr(separator == std::string_view::npos ? 0 : separator + 1));
}

} // namespace tav
