#include "engine/actions/SystemKeys.h"

#include <array>

namespace tav {

namespace {

constexpr TSystemKey Sent(std::uint8_t vk, std::uint8_t code) {
    return {vk, code};
}
constexpr TSystemKey Pressed(std::uint8_t vk) {
    return {vk, std::nullopt};
}

constexpr std::array<TSystemKey, kSystemKeyCount> kKeys = {
    Sent(0x0D, 0x0D), // Enter
    Sent(0x20, 0x20), // Space
    Sent(0x2D, 0xF8), // Insert
    Sent(0x2E, 0xF9), // Delete
    Sent(0x24, 0xF0), // Home
    Sent(0x23, 0xF1), // End
    Sent(0x21, 0xF6), // Page Up
    Sent(0x22, 0xF7), // Page Down
    Sent(0x09, 0x09), // Tab
    Sent(0x1B, 0x1B), // Esc
    Sent(0x08, 0x08), // Backspace
    Sent(0x25, 0xF4), // Left arrow
    Sent(0x27, 0xF5), // Right arrow
    Sent(0x26, 0xF2), // Up arrow
    Sent(0x28, 0xF3), // Down arrow
    Sent(0x70, 0xE4), // F1
    Sent(0x71, 0xE5), Sent(0x72, 0xE6), Sent(0x73, 0xE7), Sent(0x74, 0xE8),
    Sent(0x75, 0xE9), Sent(0x76, 0xEA), Sent(0x77, 0xEB), Sent(0x78, 0xEC),
    Sent(0x79, 0xED), Sent(0x7A, 0xEE), Sent(0x7B, 0xEF), // F12
    Pressed(0x60),                                        // Numpad 0
    Pressed(0x61),    Pressed(0x62),    Pressed(0x63),    Pressed(0x64),
    Pressed(0x65),    Pressed(0x66),    Pressed(0x67),    Pressed(0x68),
    Pressed(0x69), // Numpad 9
    Pressed(0x6A), // Numpad *
    Pressed(0x6B), // Numpad +
    Pressed(0x6D), // Numpad -
    Pressed(0x6F), // Numpad /
    Pressed(0x6E), // Numpad .
    Pressed(0x13), // Pause
    Pressed(0x14), // Caps Lock
    Pressed(0x90), // Num Lock
    Pressed(0x91), // Scroll Lock
    Pressed(0x2C), // Print Screen
    Pressed(0x5B), // Left Windows
    Pressed(0x5C), // Right Windows
    Pressed(0x5D), // Applications
    Pressed(0x12), // Alt (latched)
    Pressed(0xA5), // Right Alt (latched)
    Pressed(0x11), // Ctrl (latched)
    Pressed(0x10), // Shift (latched)
};

} // namespace

std::optional<TSystemKey> SystemKeyAt(std::int32_t index) {
    if (index < 0 || index >= kSystemKeyCount)
        return std::nullopt;
    return kKeys[static_cast<std::size_t>(index)];
}

} // namespace tav
