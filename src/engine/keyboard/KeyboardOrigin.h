#pragma once
// The keyboard origin: the keyboard-hook library, which the program carries, posts every key
// transition to the main window; each key press is one code, its scan code with the extended-key
// bit as bit 8. Releases are no codes.

#include "engine/recognition/CodeReceiver.h"
#include "engine/serial/SerialPorts.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tav {

// The keyboard-hook library as the origin drives it.
class IKeyboardHook {
public:
    virtual ~IKeyboardHook() = default;
    // Loads the library when it is not loaded yet; false when it cannot be loaded.
    virtual bool Load() = 0;
    // Binds its start and stop entries when they are not bound yet; true when both are.
    virtual bool Bind() = 0;
    virtual bool Bound() const = 0;
    // Installs the hook for the main window: 0, or the Windows error code of what failed.
    virtual std::uint32_t Start() = 0;
    virtual void Stop() = 0;
};

// The code of a key message's keystroke flags, none for a release. The flags are a 32-bit
// value whatever the width of the message parameter that carries them: bit 31 marks a release.
std::optional<std::int32_t> KeyboardCode(std::uint32_t flags);

class TKeyboardOrigin {
public:
    // `translate` gives the user's language for a text keyed by its English wording; `keyName`
    // the keyboard's own name of the key of some keystroke flags. Every reference must outlive
    // the origin.
    TKeyboardOrigin(TCodeReceiver& codes, IKeyboardHook& hook,
                    std::function<std::string(const std::string&)> translate,
                    TMessageBoxFn messageBox, std::function<std::string(std::uint32_t)> keyName);

    // Opens (true) or closes (false) the origin; false when it did not open, after saying why.
    bool OpenKeyboardHook(bool active);
    // The library's message for one key transition, with the key's keystroke flags.
    void WMKeyboardHook(std::uint32_t flags);

private:
    bool Refuse(const std::string& text);

    TCodeReceiver& codes_;
    IKeyboardHook& hook_;
    std::function<std::string(const std::string&)> translate_;
    TMessageBoxFn messageBox_;
    std::function<std::string(std::uint32_t)> keyName_;
};

} // namespace tav
