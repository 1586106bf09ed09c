#pragma once
// The key sender component: types key strings (see KeyCodes.h) into whatever window has the
// keyboard focus, and finds top-level windows by their exact title.

#include "components/sendkeys/win32/Win32Keyboard.h"
#include "framework/Component.h"

#include <windows.h>

#include <string>

namespace tav {

class TSendkeys : public TComponent {
public:
    explicit TSendkeys(TComponent* owner, std::string name = {});

    // The program's messages are handled after every code. A call made by one of them is
    // carried out after the string being sent. A character that the keyboard layout cannot
    // type is skipped. A failure to send releases the keys that the string held down and
    // raises an error.
    void SendKeys(const std::string& keys);
    // Activates the window titled exactly `title`, then sends the keys; without such a window
    // they go to the window in front.
    void SendKeysTo(const std::string& title, const std::string& keys);
    // The top-level window whose title is exactly `title` (its first 255 characters), or none.
    HWND GetHandleFromWindowTitle(const std::string& title) const;
    // Restores a minimized window, or brings another to the top of the Z order.
    void MakeWindowActive(HWND wnd) const;
    // Handles the program's messages for at least `milliseconds`, and at least once.
    void Delay(DWORD milliseconds) const;

private:
    TWin32KeyboardLayout layout_;
    TWin32KeyInjector injector_;
    TKeySender sender_{layout_, injector_};
};

} // namespace tav
