#include "framework/win32/TopLevelWindows.h"

namespace tav {

namespace {

// The lists read 201 characters with the terminating zero.
constexpr int kTextBuffer = 201;

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM collected) {
    // No exception may leave the callback; a window that cannot be stored is skipped.
    try {
        char title[kTextBuffer] = {};
        char className[kTextBuffer] = {};
        GetWindowTextA(wnd, title, kTextBuffer);
        GetClassNameA(wnd, className, kTextBuffer);
        reinterpret_cast<std::vector<TTopWindow>*>(collected)->push_back(
            {IdOf(wnd), IdOf(GetWindow(wnd, GW_OWNER)), title, className,
             IsWindowVisible(wnd) != FALSE});
    } catch (...) {
    }
    return TRUE;
}

} // namespace

std::vector<TTopWindow> TopLevelWindows() {
    std::vector<TTopWindow> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace tav
