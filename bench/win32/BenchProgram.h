#pragma once
// What the whole-program benchmarks share: a clock in milliseconds, the main window of the
// Tavrilo process they started, found by its running caption, and the end of that process.

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

// Asks the process to close through `window` (when there is one); ends it when it has not ended
// 10 s later.
inline void EndProcess(const PROCESS_INFORMATION& info, HWND window) {
    if (window != nullptr)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, INFINITE);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

} // namespace tav::bench
