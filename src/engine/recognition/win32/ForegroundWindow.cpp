#include "engine/recognition/win32/Win32Ports.h"

#include <windows.h>

namespace tav {

TWindowNames TWin32ForegroundWindow::Names() const {
    TWindowNames names;
    HWND wnd = GetForegroundWindow();
    if (!wnd)
        return names;
    char buffer[201];
    int n = GetWindowTextA(wnd, buffer, sizeof buffer);
    names.Title.assign(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
    n = GetClassNameA(wnd, buffer, sizeof buffer);
    names.ClassName.assign(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
    return names;
}

} // namespace tav
