#pragma once
// The system's own description of a Windows error code, without its line end.

#include <windows.h>

#include <string>

namespace tav {

std::string SystemErrorText(DWORD code);

} // namespace tav
