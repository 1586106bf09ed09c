#pragma once
// A top-level window for the executor's Wine tests: it records the messages it is sent, under a
// title and class name of this test process only (tests run side by side).

#include <windows.h>

#include <string>
#include <vector>

namespace tav::test {

class TActionTestWindow {
public:
    TActionTestWindow() {
        const std::string tag = std::to_string(GetCurrentProcessId());
        ClassName = "TavActionTarget" + tag;
        Title = "Action target " + tag;
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &Procedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = ClassName.c_str();
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassExA(&wc);
        Handle = CreateWindowExA(WS_EX_TOPMOST, ClassName.c_str(), Title.c_str(),
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(Handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TActionTestWindow() {
        if (IsWindow(Handle))
            DestroyWindow(Handle);
        UnregisterClassA(ClassName.c_str(), GetModuleHandleA(nullptr));
    }
    TActionTestWindow(const TActionTestWindow&) = delete;
    TActionTestWindow& operator=(const TActionTestWindow&) = delete;

    struct Received {
        UINT Message;
        WPARAM WParam;
        LPARAM LParam;
    };
    // Messages from WM_USER up, mouse buttons and WM_CLOSE.
    std::vector<Received> Messages;
    bool Got(UINT message) const {
        for (const Received& r : Messages)
            if (r.Message == message)
                return true;
        return false;
    }

    std::string ClassName;
    std::string Title;
    HWND Handle = nullptr;

private:
    static bool Recorded(UINT m) {
        return m >= WM_USER || m == WM_CLOSE || m == WM_LBUTTONDOWN || m == WM_LBUTTONUP;
    }
    static LRESULT CALLBACK Procedure(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<TActionTestWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
        if (self && Recorded(msg))
            self->Messages.push_back({msg, wp, lp});
        return DefWindowProcA(wnd, msg, wp, lp);
    }
};

} // namespace tav::test
