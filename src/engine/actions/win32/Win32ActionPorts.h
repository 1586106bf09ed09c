#pragma once
// The Windows side of the executor's ports that belong to the executor itself: input, windows,
// programs, power and a few system services.

#include "engine/actions/ActionPorts.h"

#include <windows.h>

#include <string>

namespace tav {

inline HWND WindowOf(TWindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
inline TWindowHandle HandleOf(HWND window) {
    return reinterpret_cast<TWindowHandle>(window);
}

class TWin32Input : public IInputInjector {
public:
    void KeyEvent(std::uint8_t virtualKey, bool up) override;
    void MouseEvent(std::uint32_t flags, int dx, int dy) override;
    void SetCursorPos(int x, int y) override;
    void TypeCharacter(char c) override;
};

class TWin32Windows : public IWindowSystem {
public:
    TWindowHandle ForegroundWindow() override;
    TWindowHandle FindTopLevelWindow(const TWindowMatch& match) override;
    std::string WindowTitle(TWindowHandle window) override;
    void BringWindowToFront(TWindowHandle window) override;
    void PostWindowMessage(TWindowHandle window, std::uint32_t message, std::int32_t wParam,
                           std::int32_t lParam) override;
    void ShowWindow(TWindowHandle window, TWindowShow show) override;
};

class TWin32Programs : public IProgramStarter {
public:
    void ShellOpen(const std::string& file, const std::string& parameters) override;
    bool StartProgram(const std::string& commandLine, bool waitForEnd) override;
};

class TWin32Power : public IPowerControl {
public:
    void ExitWindowsPrivileged(std::uint32_t flags) override;
    void SetSystemPowerState(bool suspend) override;
};

class TWin32System : public ISystemServices {
public:
    void ProcessMessages() override;
    void Beep() override;
    std::string LongTimeText() override;
    std::string ShortDateText() override;
};

// The window a title, optionally followed by ", " and a class name, names; none when no
// top-level window matches.
HWND FindWindowByTitleOrClass(const std::string& names);
// A minimized window is restored; any other is put on top and made the foreground window, with
// the program's input attached to the foreground window's thread meanwhile.
void BringWindowToFront(HWND window);
// Enables or disables one privilege of the process; false when that failed or the name is
// unknown.
bool SetPrivilege(const std::string& name, bool enable);
// The system's exit function with the shutdown privilege enabled around it.
bool ExitWindowsPrivileged(UINT flags);
// Waits for `object` while answering the messages other threads and programs send to this
// thread; posted messages, timers and input wait until afterwards.
void WaitAnsweringSentMessages(HANDLE object);

} // namespace tav
