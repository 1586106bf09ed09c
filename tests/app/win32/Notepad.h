#pragma once
// Wine's own notepad beside the program under test, ended with the test.

#include "ProgramProcess.h"

namespace tav::test {

struct Notepad {
    PROCESS_INFORMATION info{};
    Notepad() {
        char command[] = "notepad.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info);
    }
    ~Notepad() {
        if (info.hProcess == nullptr)
            return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;

    // Its main window, once it shows.
    HWND Window() const {
        const DWORD pid = info.dwProcessId;
        return WaitForWindow(
            [pid] {
                return FindProcessWindowWhere(
                    pid, [](HWND wnd) { return IsWindowVisible(wnd) != FALSE; });
            },
            10000);
    }
};

} // namespace tav::test
