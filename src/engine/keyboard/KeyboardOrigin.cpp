#include "engine/keyboard/KeyboardOrigin.h"

#include "framework/Text.h"

namespace tav {

std::optional<std::int32_t> KeyboardCode(std::uint32_t flags) {
    if (static_cast<std::int32_t>(flags) <= 0)
        return std::nullopt;
    return static_cast<std::int32_t>((flags >> 16) & 0x1FF);
}

TKeyboardOrigin::TKeyboardOrigin(TCodeReceiver& codes, IKeyboardHook& hook,
                                 std::function<std::string(const std::string&)> translate,
                                 TMessageBoxFn messageBox,
                                 std::function<std::string(std::uint32_t)> keyName)
    : codes_(codes), hook_(hook), translate_(std::move(translate)),
      messageBox_(std::move(messageBox)), keyName_(std::move(keyName)) {}

bool TKeyboardOrigin::OpenKeyboardHook(bool active) {
    if (!active) {
        // An origin that never started has nothing to stop, and its close does not fail: a
        // failure would leave the origins after it in the chain running.
        if (hook_.Bound())
            hook_.Stop();
        return true;
    }
    if (!hook_.Load())
        return Refuse("Cannot load VARDOK.DLL");
    if (!hook_.Bind())
        return Refuse("Cannot link with VARDOK.DLL");
    // The library does not look for a hook of its own already running.
    hook_.Stop();
    if (const std::uint32_t error = hook_.Start())
        return Refuse("Cannot start VARDOK.DLL, Error: " + IntToStr(error));
    return true;
}

bool TKeyboardOrigin::Refuse(const std::string& text) {
    messageBox_(text, translate_("Initialization result"), kMbOk | kMbIconExclamation);
    return false;
}

void TKeyboardOrigin::WMKeyboardHook(std::uint32_t flags) {
    const std::optional<std::int32_t> code = KeyboardCode(flags);
    if (!code)
        return;
    codes_.ReceiveWhole([&](TReceivedCode& rc) { rc.Replace(std::span(&*code, 1)); },
                        [&](const TReceivedCode&, TDataFormat format) {
                            switch (format) {
                            case TDataFormat::Decimal:
                                return IntToStr(*code);
                            case TDataFormat::Hexadecimal:
                                return IntToHex(*code, 2);
                            case TDataFormat::Ascii:
                                break;
                            }
                            return keyName_(flags);
                        });
}

} // namespace tav
