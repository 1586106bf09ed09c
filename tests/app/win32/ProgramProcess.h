#pragma once
// Starts Tavrilo.exe for a test, finds its windows and makes sure it ends with the test.

#include <windows.h>

#include <functional>
#include <string>

namespace tav::test {

// Polls `find` every 50 ms for at most `limitMs`.
template <typename Find> HWND WaitForWindow(Find find, DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 50) {
        if (HWND wnd = find())
            return wnd;
        Sleep(50);
    }
    return nullptr;
}

// The first top-level window of process `pid` that `match` takes.
inline HWND FindProcessWindowWhere(DWORD pid, const std::function<bool(HWND)>& match) {
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>& match;
        HWND found;
    } search{pid, match, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == s->pid && s->match(wnd)) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The top-level window of process `pid` with exactly this title; other tests running at the
// same time may show windows of the same title.
inline HWND FindProcessWindow(DWORD pid, const char* title) {
    return FindProcessWindowWhere(pid, [title](HWND wnd) {
        char text[64] = {};
        GetWindowTextA(wnd, text, sizeof(text));
        return std::string(text) == title;
    });
}

// The visible top-level window of process `pid` with exactly this title, once it shows.
inline HWND WaitForShownWindow(DWORD pid, const char* title) {
    return WaitForWindow(
        [&] {
            HWND found = FindProcessWindow(pid, title);
            return found != nullptr && IsWindowVisible(found) ? found : nullptr;
        },
        10000);
}

// Whether `wnd` is hidden, or hides within a bound.
inline bool WaitForHidden(HWND wnd) {
    return WaitForWindow([&] { return IsWindowVisible(wnd) ? nullptr : wnd; }, 10000) != nullptr;
}

// The first descendant of `parent` of window class `className` whose text is `text`.
inline HWND FindDescendant(HWND parent, const char* className, const char* text) {
    struct Search {
        const char* className;
        const char* text;
        HWND found;
    } search{className, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char name[64] = {}, caption[128] = {};
            GetClassNameA(wnd, name, sizeof name);
            GetWindowTextA(wnd, caption, sizeof caption);
            if (_stricmp(name, s->className) == 0 && std::string(caption) == s->text) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Keys typed by a test reach the foreground window only.
inline bool TakeForeground(HWND wnd) {
    SetForegroundWindow(wnd);
    return WaitForWindow([&] { return GetForegroundWindow() == wnd ? wnd : nullptr; }, 5000) !=
           nullptr;
}

struct ProgramProcess {
    PROCESS_INFORMATION info{};
    bool started = false;

    // `arguments` follow the program's path on its command line.
    explicit ProgramProcess(const std::string& arguments = {}) {
        std::string command = std::string("\"") + TAVRILO_EXE_DIR + "/Tavrilo.exe\"";
        if (!arguments.empty())
            command += " " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &info) != FALSE;
    }
    ~ProgramProcess() {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    HWND WaitForMainWindow() const {
        const DWORD pid = info.dwProcessId;
        return WaitForWindow([pid] { return FindProcessWindow(pid, "Tavrilo 4.0b"); }, 30000);
    }
    // Closes the main window and waits for the end; the exit code, or -1 when it did not end.
    long CloseAndWait(HWND main) const {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info.hProcess, 30000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 1;
        GetExitCodeProcess(info.hProcess, &code);
        return static_cast<long>(code);
    }
};

} // namespace tav::test
