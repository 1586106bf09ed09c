#pragma once
// Splitting Windows paths: a folder part ends at the last "\", "/" or ":".

#include <string>
#include <string_view>

namespace tav {

// The folder part with its trailing separator; empty when there is none.
std::string ExtractFilePath(std::string_view path);
// The part after the folder.
std::string ExtractFileName(std::string_view path);
// A name without a folder part is taken from `folder` (which ends with a separator); a name
// with one stays as it is.
std::string ExpandInFolder(std::string_view name, std::string_view folder);

// Whether Windows takes `path` for a device rather than a file: a name of the device namespace
// ("\\.\COM1", "\\.\pipe\x", "\\?\GLOBALROOT\...") or a reserved device name such as
// CON, NUL, COM1 or LPT1 in any folder and with any extension ("C:\x\nul.tvr"). Opening such
// a name may wait for the device.
bool NamesWindowsDevice(std::string_view path);

} // namespace tav
