#pragma once
// The one-byte codes of a key string. Each byte of a string sent by the key sender stands for one
// key: below 32 a virtual key, then characters of the keyboard layout, then the function keys,
// the cursor block and the three modifiers pressed or released on their own.

#include <cstdint>

namespace tav {

// The codes that press (even) and release (odd) a modifier.
inline constexpr std::uint8_t kShiftDownCode = 250;
inline constexpr std::uint8_t kShiftUpCode = 251;
inline constexpr std::uint8_t kCtrlDownCode = 252;
inline constexpr std::uint8_t kCtrlUpCode = 253;
inline constexpr std::uint8_t kAltDownCode = 254;
inline constexpr std::uint8_t kAltUpCode = 255;
// F1 to F12 follow F1; Home, End, Up, Down, Left, Right, Page Up, Page Down, Insert and Delete
// follow Home.
inline constexpr std::uint8_t kF1Code = 228;
inline constexpr std::uint8_t kHomeCode = 240;

inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12;

enum class TCodeKind {
    Key,       // a virtual key, pressed and released
    Character, // a character of the keyboard layout, with the shift keys it needs
    Modifier,  // Shift, Ctrl or Alt, only pressed or only released
};

struct TKeyCode {
    TCodeKind Kind = TCodeKind::Key;
    std::uint8_t Vk = 0;   // none for a character: the layout decides
    bool Up = false;       // a modifier's release
    bool Extended = false; // the cursor block, which the keyboard sends as extended keys
};

TKeyCode DescribeCode(std::uint8_t code);

} // namespace tav
