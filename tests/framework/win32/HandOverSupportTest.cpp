#include "HandOverSupportTest.h"

#include <string>

namespace tav::test {

namespace {
TDialogDriver* g_driver = nullptr;

BOOL CALLBACK FindDialog(HWND wnd, LPARAM result) {
    char cls[32] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    if (std::string(cls) == "#32770") {
        *reinterpret_cast<HWND*>(result) = wnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!done()) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start > ms)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

TDialogDriver::TDialogDriver(std::function<bool(HWND)> act) : act_(std::move(act)) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 20, Tick);
}

TDialogDriver::~TDialogDriver() {
    KillTimer(nullptr, timer_);
    g_driver = nullptr;
}

void CALLBACK TDialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogDriver* self = g_driver;
    if (!self)
        return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return;
    if (!self->acted_)
        self->acted_ = self->act_(dialog);
    if (++self->ticks_ > 250) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

std::string TextOf(HWND wnd) {
    char text[1024] = {};
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

HWND ChildOfClass(HWND parent, const char* className) {
    return FindWindowExA(parent, nullptr, className, nullptr);
}

} // namespace tav::test
