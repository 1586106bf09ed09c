#include "components/sendkeys/win32/Win32Keyboard.h"

#include "framework/win32/Forms.h"
#include "framework/win32/SystemErrorText.h"

#include <windows.h>

#include <stdexcept>

namespace tav {

std::optional<TKeyScan> TWin32KeyboardLayout::KeyScan(char c) const {
    const SHORT scan = VkKeyScanA(c);
    const auto vk = static_cast<std::uint8_t>(scan & 0xFF);
    const auto shifts = static_cast<std::uint8_t>((scan >> 8) & 0xFF);
    // Both bytes are -1 when no key types the character.
    if (vk == 0xFF && shifts == 0xFF)
        return std::nullopt;
    return TKeyScan{vk, static_cast<std::uint8_t>(shifts & (kShiftBit | kCtrlBit | kAltBit))};
}

std::uint8_t TWin32KeyboardLayout::ScanCode(std::uint8_t vk) const {
    return static_cast<std::uint8_t>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
}

void TWin32KeyInjector::Send(const TKeyStroke& event) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = event.Vk;
    input.ki.wScan = event.Scan;
    input.ki.dwFlags =
        (event.Up ? KEYEVENTF_KEYUP : 0u) | (event.Extended ? KEYEVENTF_EXTENDEDKEY : 0u);
    if (SendInput(1, &input, sizeof(input)) != 1)
        throw std::runtime_error("The keys could not be sent: " + SystemErrorText(GetLastError()));
}

void TWin32KeyInjector::Pump() {
    Application().ProcessMessages();
}

} // namespace tav
