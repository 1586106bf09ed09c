#pragma once
// Which common controls this process draws its controls with.

#include <windows.h>

namespace tav::themes {

// The version of the loaded common-controls module as major << 16 | minor; 0 when none is
// loaded. A module that the activation context took from the common controls' side-by-side
// assembly (through a manifest) is of that assembly's version: Wine's version-6 module reports
// 5.81 of itself.
DWORD LoadedComCtlVersion();

} // namespace tav::themes
