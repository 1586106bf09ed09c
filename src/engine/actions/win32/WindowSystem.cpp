#include "engine/actions/WindowLookup.h"
#include "engine/actions/win32/Win32ActionPorts.h"

#include <algorithm>

namespace tav {

namespace {

// Titles and class names are read up to 200 characters.
constexpr int kNameBuffer = 201;

std::string TitleOf(HWND window) {
    char buffer[kNameBuffer];
    const int n = GetWindowTextA(window, buffer, kNameBuffer);
    return std::string(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

struct TWalk {
    const TWindowMatch& Match;
    HWND Found = nullptr;
};

// The names are read into buffers here: a walk over every window of the desktop makes no copy
// of any.
BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
    auto& walk = *reinterpret_cast<TWalk*>(data);
    char title[kNameBuffer];
    char className[kNameBuffer];
    const int titleLength = GetWindowTextA(window, title, kNameBuffer);
    const int classLength = GetClassNameA(window, className, kNameBuffer);
    if (!walk.Match(
            std::string_view(title, static_cast<std::size_t>(std::max(titleLength, 0))),
            std::string_view(className, static_cast<std::size_t>(std::max(classLength, 0)))))
        return TRUE;
    walk.Found = window;
    return FALSE;
}

} // namespace

TWindowHandle TWin32Windows::ForegroundWindow() {
    return HandleOf(GetForegroundWindow());
}

TWindowHandle TWin32Windows::FindTopLevelWindow(const TWindowMatch& match) {
    TWalk walk{match};
    EnumWindows(&VisitWindow, reinterpret_cast<LPARAM>(&walk));
    return HandleOf(walk.Found);
}

std::string TWin32Windows::WindowTitle(TWindowHandle window) {
    return TitleOf(WindowOf(window));
}

void TWin32Windows::BringWindowToFront(TWindowHandle window) {
    tav::BringWindowToFront(WindowOf(window));
}

void TWin32Windows::PostWindowMessage(TWindowHandle window, std::uint32_t message,
                                      std::int32_t wParam, std::int32_t lParam) {
    PostMessageA(WindowOf(window), message, static_cast<WPARAM>(static_cast<std::uint32_t>(wParam)),
                 static_cast<LPARAM>(lParam));
}

void TWin32Windows::ShowWindow(TWindowHandle window, TWindowShow show) {
    static constexpr int kCommands[] = {SW_MINIMIZE, SW_SHOWMAXIMIZED, SW_RESTORE};
    ::ShowWindow(WindowOf(window), kCommands[static_cast<int>(show)]);
}

HWND FindWindowByTitleOrClass(const std::string& names) {
    return WindowOf(TWin32Windows().FindTopLevelWindow(TTitleOrClassMatch(names)));
}

void BringWindowToFront(HWND window) {
    if (IsIconic(window)) {
        ::ShowWindow(window, SW_RESTORE);
        return;
    }
    const DWORD ours = GetCurrentThreadId();
    const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const bool attach = front != 0 && front != ours;
    if (attach)
        AttachThreadInput(ours, front, TRUE);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    if (attach)
        AttachThreadInput(ours, front, FALSE);
}

} // namespace tav
