#pragma once
// The main window of a Tavrilo process that a benchmark started, found by its running caption.

#include <windows.h>

#include <string>

namespace tav::bench {

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
