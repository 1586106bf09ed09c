#pragma once
// Turns the codes of a key string into the key events to send, one code at a time, keeping
// track of the modifiers the string holds down.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tav {

// Bits of the shift state a keyboard layout asks for with a character.
inline constexpr std::uint8_t kShiftBit = 1;
inline constexpr std::uint8_t kCtrlBit = 2;
inline constexpr std::uint8_t kAltBit = 4;

struct TKeyScan {
    std::uint8_t Vk = 0;
    std::uint8_t Shifts = 0; // kShiftBit, kCtrlBit and kAltBit; AltGr is Ctrl and Alt
};

// The current keyboard layout.
class IKeyboardLayout {
public:
    virtual ~IKeyboardLayout() = default;
    // The key that types `c` and the shift state it needs; none when no key types it.
    virtual std::optional<TKeyScan> KeyScan(char c) const = 0;
    virtual std::uint8_t ScanCode(std::uint8_t vk) const = 0;
};

struct TKeyStroke {
    std::uint8_t Vk = 0;
    std::uint8_t Scan = 0;
    bool Up = false;
    bool Extended = false;
    bool operator==(const TKeyStroke&) const = default;
};

// One planner serves one key string: the modifiers are held from their down code to their up
// code within it.
class TKeyPlanner {
public:
    explicit TKeyPlanner(const IKeyboardLayout& layout) : layout_(layout) {}

    // The events of one code. A character gets the shift keys its layout asks for, pressed
    // around it, only while the string holds no modifier down: a held modifier is meant to
    // change the key. A character no key types gives no events.
    std::vector<TKeyStroke> Plan(std::uint8_t code);

private:
    TKeyStroke Event(std::uint8_t vk, bool up, bool extended = false) const;
    bool AnyHeld() const;

    const IKeyboardLayout& layout_;
    std::array<bool, 3> held_{}; // Shift, Ctrl, Alt
};

} // namespace tav
