#pragma once
// The key sender's reach into Windows: the keyboard layout of the calling thread and input
// injection, with the program's messages handled between keys.

#include "components/sendkeys/KeySender.h"

namespace tav {

class TWin32KeyboardLayout : public IKeyboardLayout {
public:
    std::optional<TKeyScan> KeyScan(char c) const override;
    std::uint8_t ScanCode(std::uint8_t vk) const override;
};

class TWin32KeyInjector : public IKeyInjector {
public:
    void Send(const TKeyStroke& event) override;
    void Pump() override;
};

} // namespace tav
