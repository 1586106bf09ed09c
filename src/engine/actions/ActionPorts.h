#pragma once
// What the action executor needs of the system and of the program's other components. Each is
// small, so that the executor runs against recording fakes natively and against Windows, the key
// sender, the mixer and the serial ports in the program.

#include "engine/serial/SerialPorts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// A top-level window; 0 is none.
using TWindowHandle = std::uintptr_t;

// Keyboard and mouse input as the user would give it.
class IInputInjector {
public:
    virtual ~IInputInjector() = default;
    // One key event of a virtual key, with scan code 0.
    virtual void KeyEvent(std::uint8_t virtualKey, bool up) = 0;
    // One mouse event: flags as the system's mouse-event flags, a relative move in dx, dy.
    virtual void MouseEvent(std::uint32_t flags, int dx, int dy) = 0;
    virtual void SetCursorPos(int x, int y) = 0;
    // Types one Windows-1252 character, whatever key of the keyboard layout makes it.
    virtual void TypeCharacter(char c) = 0;
};

// The key sender component: a string of one-byte key codes (characters, virtual keys below 32,
// 0xE4-0xEF F1-F12, 0xF0-0xF9 the cursor block, 0xFA-0xFF Shift, Ctrl, Alt down and up).
class IKeySender {
public:
    virtual ~IKeySender() = default;
    virtual void SendKeys(const std::string& keys) = 0;
    // The top-level window whose title is exactly `title`; 0 when none.
    virtual TWindowHandle GetHandleFromWindowTitle(const std::string& title) = 0;
};

// Whether a window with this title and class name (each at most 200 characters) is the one
// looked for.
using TWindowMatch = std::function<bool(std::string_view title, std::string_view className)>;

enum class TWindowShow { Minimize, Maximize, Restore };

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;
    virtual TWindowHandle ForegroundWindow() = 0;
    // The first top-level window, from the top of the Z order downwards, that `match` takes;
    // 0 when it takes none. The walk ends at that window.
    virtual TWindowHandle FindTopLevelWindow(const TWindowMatch& match) = 0;
    // At most 200 characters; empty when the window has no title or is gone.
    virtual std::string WindowTitle(TWindowHandle window) = 0;
    // Restores a minimized window; otherwise puts it on top and makes it the foreground window.
    virtual void BringWindowToFront(TWindowHandle window) = 0;
    // wParam is widened without sign, lParam with it.
    virtual void PostWindowMessage(TWindowHandle window, std::uint32_t message, std::int32_t wParam,
                                   std::int32_t lParam) = 0;
    virtual void ShowWindow(TWindowHandle window, TWindowShow show) = 0;
};

class IProgramStarter {
public:
    virtual ~IProgramStarter() = default;
    // Opens a file through the shell with the verb "open"; nothing waits.
    virtual void ShellOpen(const std::string& file, const std::string& parameters) = 0;
    // Starts a program in a console of its own; with `waitForEnd`, returns when it has ended.
    // False when it could not be started.
    virtual bool StartProgram(const std::string& commandLine, bool waitForEnd) = 0;
};

// Flags of the system's exit function.
inline constexpr std::uint32_t kExitLogOff = 0;
inline constexpr std::uint32_t kExitReboot = 2;
inline constexpr std::uint32_t kExitPowerOff = 9; // shut down and power off

class IPowerControl {
public:
    virtual ~IPowerControl() = default;
    virtual void ExitWindowsPrivileged(std::uint32_t flags) = 0;
    // Suspend (true) or hibernate (false); running programs are asked, not forced.
    virtual void SetSystemPowerState(bool suspend) = 0;
};

// A line's volume (0 to 65535) and mute state (0 or 1); -1 when the line has no such control.
struct TLineVolume {
    int Left = -1;
    int Right = -1;
    int Mute = -1;
};

// The audio mixer component.
class IAudioMixer {
public:
    virtual ~IAudioMixer() = default;
    // A device number outside the system's devices keeps the device in use.
    virtual void SetMixerId(int id) = 0;
    // `connection` -1 is the destination line itself. False when there is no such line.
    virtual bool GetVolume(int destination, int connection, TLineVolume& volume) = 0;
    // -1 leaves a value unchanged; a right volume of -1 takes the left one.
    virtual bool SetVolume(int destination, int connection, int left, int right, int mute) = 0;
};

// The on-screen display as the actions use it.
class IActionDisplay {
public:
    virtual ~IActionDisplay() = default;
    // Text the next display of the fired command's names ends with.
    virtual void SetSuffix(const std::string& text) = 0;
    virtual void ShowOSD(const std::string& text) = 0;
};

class IOriginSwitch {
public:
    virtual ~IOriginSwitch() = default;
    virtual bool StartOrigins(bool active) = 0;
};

// The action editor's message lists: the standard Windows messages and the user's own.
class IMessageLists {
public:
    virtual ~IMessageLists() = default;
    // The hexadecimal number of the message a PostMessage action names; none when neither list
    // has the name. It stays valid as long as the lists.
    virtual std::optional<std::string_view> MessageNumber(std::string_view name) const = 0;
};

class ISystemServices {
public:
    virtual ~ISystemServices() = default;
    // Handles the messages waiting for the program's windows.
    virtual void ProcessMessages() = 0;
    virtual void Beep() = 0;
    // The current time in the user's long time format, the date in the short date format.
    virtual std::string LongTimeText() = 0;
    virtual std::string ShortDateText() = 0;
};

} // namespace tav
