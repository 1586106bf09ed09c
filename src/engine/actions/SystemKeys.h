#pragma once
// The keys a tap-key action names by number. The action editor lists the keyboard's own names of
// the same keys in the same order.

#include <cstdint>
#include <optional>

namespace tav {

struct TSystemKey {
    std::uint8_t VirtualKey = 0;
    // The key sender's one-byte code, for the keys it knows (the first 27).
    std::optional<std::uint8_t> SendCode;
};

inline constexpr int kSystemKeyCount = 54;
// Above this index the key sender has no code; the keys are pressed directly.
inline constexpr int kLastSendableSystemKey = 26;
// Alt, Right Alt, Ctrl and Shift: each use presses or releases the key, which stays held between.
inline constexpr int kFirstLatchedKey = 50;
inline constexpr int kLatchedKeyCount = kSystemKeyCount - kFirstLatchedKey;

// The key of `index`; none outside 0 to 53.
std::optional<TSystemKey> SystemKeyAt(std::int32_t index);

} // namespace tav
