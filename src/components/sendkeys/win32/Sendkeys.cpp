#include "components/sendkeys/win32/Sendkeys.h"

#include "framework/win32/Forms.h"

namespace tav {

namespace {

constexpr std::size_t kLongestTitle = 255;

} // namespace

TSendkeys::TSendkeys(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TSendkeys::SendKeys(const std::string& keys) {
    sender_.Send(keys);
}

void TSendkeys::SendKeysTo(const std::string& title, const std::string& keys) {
    // The window is looked up when the keys are due, which for a call made while other keys
    // are being sent is after them.
    sender_.Send(keys, [this, title] { MakeWindowActive(GetHandleFromWindowTitle(title)); });
}

HWND TSendkeys::GetHandleFromWindowTitle(const std::string& title) const {
    return FindWindowA(nullptr, title.substr(0, kLongestTitle).c_str());
}

void TSendkeys::MakeWindowActive(HWND wnd) const {
    if (wnd == nullptr)
        return;
    if (IsIconic(wnd))
        ShowWindow(wnd, SW_RESTORE);
    else
        BringWindowToTop(wnd);
}

void TSendkeys::Delay(DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    for (;;) {
        Application().ProcessMessages();
        const DWORD passed = GetTickCount() - start;
        if (passed >= milliseconds)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    }
}

} // namespace tav
