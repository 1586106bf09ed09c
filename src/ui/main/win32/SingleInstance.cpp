#include "ui/main/win32/SingleInstance.h"

#include "framework/win32/Forms.h"

#include <cstring>
#include <vector>

namespace tav {

UINT EndInstanceMessage() {
    static const UINT message = RegisterWindowMessageA("Tavrilo.EndInstance");
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

} // namespace

void EndOtherInstances(const char* caption, DWORD timeoutMs) {
    TSearch search{caption, {}};
    EnumWindows(&CollectMainWindow, reinterpret_cast<LPARAM>(&search));
    std::vector<HANDLE> programs;
    for (HWND wnd : search.found) {
        DWORD process = 0;
        GetWindowThreadProcessId(wnd, &process);
        if (HANDLE program = OpenProcess(SYNCHRONIZE, FALSE, process))
            programs.push_back(program);
        PostMessageA(wnd, EndInstanceMessage(), 0, 0);
    }
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (HANDLE program : programs) {
        const ULONGLONG now = GetTickCount64();
        WaitForSingleObject(program, deadline > now ? static_cast<DWORD>(deadline - now) : 0);
        CloseHandle(program);
    }
}

} // namespace tav
