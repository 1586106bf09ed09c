#include "ui/main/win32/SingleInstance.h"

#include "framework/win32/Forms.h"

#include <cstring>
#include <vector>

namespace tav {

UINT EndInstanceMessage() {
    static const UINT message = RegisterWindowMessageA("Tavrilo.EndInstance");
    return message;
}

UINT InstanceStaysMessage() {
    static const UINT message = RegisterWindowMessageA("Tavrilo.InstanceStays");
    return message;
}

namespace {

struct TSearch {
    const char* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMainWindow(HWND wnd, LPARAM data) {
    auto* search = reinterpret_cast<TSearch*>(data);
    char className[64] = {};
    char title[200] = {};
    GetClassNameA(wnd, className, sizeof className);
    GetWindowTextA(wnd, title, sizeof title);
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    if (process != GetCurrentProcessId() && std::strcmp(className, FormClass()) == 0 &&
        std::strstr(title, search->caption) != nullptr)
        search->found.push_back(wnd);
    return TRUE;
}

// Waits for `program` to end or for the user of its question to keep it; false for the latter.
// Messages sent to this thread meanwhile are served, so that no other program waits on it.
bool AwaitAnswer(HANDLE program) {
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, reinterpret_cast<HWND>(-1), InstanceStaysMessage(),
                         InstanceStaysMessage(), PM_REMOVE))
            return false;
        // Runs the messages sent from other threads and marks the queue as seen.
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        if (MsgWaitForMultipleObjects(1, &program, FALSE, INFINITE,
                                      QS_POSTMESSAGE | QS_SENDMESSAGE) == WAIT_OBJECT_0)
            return true;
    }
}

// Asks one running instance; false when its user keeps it.
bool EndInstance(HWND wnd, DWORD timeoutMs) {
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    // The one started by the user may give the front to the one whose question it waits for.
    AllowSetForegroundWindow(process);
    HANDLE program = OpenProcess(SYNCHRONIZE, FALSE, process);
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutA(wnd, EndInstanceMessage(), GetCurrentThreadId(), 0,
                                              SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
    bool ended = true;
    // One that did not answer in time had its time; the new start goes on.
    if (program != nullptr && answered) {
        if (answer == static_cast<DWORD_PTR>(TGiveWay::Asking))
            ended = AwaitAnswer(program);
        else
            WaitForSingleObject(program, timeoutMs);
    }
    if (program != nullptr)
        CloseHandle(program);
    return ended;
}

} // namespace

bool EndOtherInstances(const char* caption, DWORD timeoutMs) {
    TSearch search{caption, {}};
    EnumWindows(&CollectMainWindow, reinterpret_cast<LPARAM>(&search));
    for (HWND wnd : search.found)
        if (!EndInstance(wnd, timeoutMs))
            return false;
    return true;
}

} // namespace tav
