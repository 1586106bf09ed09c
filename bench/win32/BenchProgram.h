#pragma once
// What the whole-program benchmarks share: a clock in milliseconds, and the main window of the
// Tavrilo process they started, found by its running caption.

#include <windows.h>

#include <string>

namespace tav::bench {

inline double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// None while the process has no such window yet (or, with `shownOnly`, none shown).
inline HWND FindProgramWindow(DWORD process, bool shownOnly) {
    struct Search {
        DWORD Process;
        bool ShownOnly;
        HWND Found;
    } search{process, shownOnly, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            char title[64] = {};
            GetWindowTextA(wnd, title, sizeof title);
            if (owner != s->Process || (s->ShownOnly && !IsWindowVisible(wnd)) ||
                std::string(title) != "Tavrilo 4.0b")
                return TRUE;
            s->Found = wnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

} // namespace tav::bench
