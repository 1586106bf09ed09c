#include "engine/actions/WindowLookup.h"
#include "engine/actions/win32/Win32ActionPorts.h"

namespace tav {

namespace {

// Titles and class names are read up to 200 characters.
constexpr int kNameBuffer = 201;

std::string TitleOf(HWND window) {
    char buffer[kNameBuffer];
    const int n = GetWindowTextA(window, buffer, kNameBuffer);
    return std::string(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

std::string ClassNameOf(HWND window) {
    char buffer[kNameBuffer];
    const int n = GetClassNameA(window, buffer, kNameBuffer);
    return std::string(buffer, static_cast<std::size_t>(n > 0 ? n : 0));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<TTopWindow>*>(list)->push_back(
        {HandleOf(window), TitleOf(window), ClassNameOf(window)});
    return TRUE;
}

} // namespace

TWindowHandle TWin32Windows::ForegroundWindow() {
    return HandleOf(GetForegroundWindow());
}

std::vector<TTopWindow> TWin32Windows::TopLevelWindows() {
    std::vector<TTopWindow> windows;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
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
    return WindowOf(FindWindowByTitleOrClass(names, TWin32Windows().TopLevelWindows()));
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
