#pragma once
// The TV application's remote: the vendor's TV application posts each key to a hidden window
// that it finds by its title, as two numbers whose decimal writings follow one another.

#include "engine/recognition/CodeReceiver.h"

#include <cstdint>

namespace tav {

// The two messages the TV application posts, handled alike.
inline constexpr unsigned kTvRemoteMessage = 0x402; // WM_USER + 2
inline constexpr unsigned kTvRemoteMessageAlt = 0xBBA;

// The code of a message: wParam followed by lParam's decimal writing, a minus sign counting as
// a digit's place (12, 345 give 12345; 3, -2 give 298). The TV application sends 32-bit values:
// only the parameters' low 32 bits count, and a code beyond 32 bits keeps its low 32 bits.
std::int32_t TvApplicationCode(std::uint64_t wParam, std::uint64_t lParam);

// One message of the TV application, delivered as a whole code; the origin-test dialog shows it
// in decimal, in hexadecimal or as the character of its low byte.
void ReceiveTvApplicationCode(TCodeReceiver& codes, std::uint64_t wParam, std::uint64_t lParam);

} // namespace tav
