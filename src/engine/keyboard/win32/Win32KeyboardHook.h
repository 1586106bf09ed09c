#pragma once
// The keyboard-hook library as the running program loads it: from the file that the program
// carries, once, and bound by the names of its two control functions.

#include "engine/keyboard/KeyboardOrigin.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tav {

// The message the library posts for each key transition: the virtual-key code and the key's
// keystroke flags.
inline constexpr UINT kKeyboardHookMessage = WM_USER + 1;

class TWin32KeyboardHook : public IKeyboardHook {
public:
    // `file` names the library's file when it is first loaded; `window` receives the keys.
    TWin32KeyboardHook(std::function<std::string()> file, std::function<HWND()> window);
    // Unloads the library as Unload does.
    ~TWin32KeyboardHook() override;
    TWin32KeyboardHook(const TWin32KeyboardHook&) = delete;
    TWin32KeyboardHook& operator=(const TWin32KeyboardHook&) = delete;

    bool Load() override;
    bool Bind() override;
    bool Bound() const override { return start_ != nullptr && stop_ != nullptr; }
    std::uint32_t Start() override;
    void Stop() override;
    // Stops a hook still running and frees the library. When the hook ever ran, other programs
    // that took keys through it have the library too: they are made to let go of it, so that
    // its file can be deleted. Afterwards nothing is bound.
    void Unload();

private:
    using TStart = void(WINAPI*)(HWND);
    using TStop = void(WINAPI*)();

    std::function<std::string()> file_;
    std::function<HWND()> window_;
    HMODULE library_ = nullptr;
    TStart start_ = nullptr;
    TStop stop_ = nullptr;
    bool started_ = false;
};

// The keyboard's own name of the key that some keystroke flags describe.
std::string KeyNameOf(std::uint32_t flags);

} // namespace tav
