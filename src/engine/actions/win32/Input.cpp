#include "engine/actions/win32/Win32ActionPorts.h"

namespace tav {

void TWin32Input::KeyEvent(std::uint8_t virtualKey, bool up) {
    keybd_event(virtualKey, 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

void TWin32Input::MouseEvent(std::uint32_t flags, int dx, int dy) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

void TWin32Input::SetCursorPos(int x, int y) {
    ::SetCursorPos(x, y);
}

// As a Unicode character the keyboard layout needs no key for it.
void TWin32Input::TypeCharacter(char c) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(1252, 0, &c, 1, &wide, 1) != 1)
        return;
    INPUT inputs[2]{};
    for (INPUT& in : inputs) {
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = wide;
        in.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

} // namespace tav
