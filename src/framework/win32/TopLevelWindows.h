#pragma once
// The walk over the desktop's top-level windows.

#include "framework/TopWindows.h"

#include <windows.h>

#include <vector>

namespace tav {

// Every top-level window in Z order, with its title and class as far as 200 characters. A
// window that closes during the walk yields no title, so it is not listed.
std::vector<TTopWindow> TopLevelWindows();

inline HWND WindowOf(TWindowId id) {
    return reinterpret_cast<HWND>(id);
}
inline TWindowId IdOf(HWND wnd) {
    return reinterpret_cast<TWindowId>(wnd);
}

} // namespace tav
