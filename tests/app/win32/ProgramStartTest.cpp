#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// Polls `find` every 50 ms for at most `limitMs`.
template <typename Find> HWND WaitForWindow(Find find, DWORD limitMs) {
    for (DWORD waited = 0; waited < limitMs; waited += 50) {
        if (HWND wnd = find())
            return wnd;
        Sleep(50);
    }
    return nullptr;
}

// The top-level window of process `pid` with exactly this title; other tests running at the
// same time may show windows of the same title.
HWND FindProcessWindow(DWORD pid, const char* title) {
    struct Search {
        DWORD pid;
        const char* title;
        HWND found;
    } search{pid, title, nullptr};
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            char text[64] = {};
            GetWindowTextA(wnd, text, sizeof(text));
            if (owner == s->pid && std::string(text) == s->title) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Program {
    PROCESS_INFORMATION info{};
    bool started = false;
    Program() {
        std::string command = std::string("\"") + TAVRILO_EXE_DIR + "/Tavrilo.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &info) != FALSE;
    }
    ~Program() {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

TEST(ProgramStart, MainWindowComesUpWithItsStatusBarAndClosesCleanly) {
    Program program;
    ASSERT_TRUE(program.started);
    const DWORD pid = program.info.dwProcessId;
    HWND main = WaitForWindow([pid] { return FindProcessWindow(pid, "Tavrilo 4.0b"); }, 30000);
    ASSERT_NE(main, nullptr);
    HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 2);
    EXPECT_NE(GetMenu(main), nullptr);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(program.info.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(program.info.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

} // namespace
