#pragma once
// Hexadecimal numbers as actions write them: message numbers and parameters, and the bytes of a
// data stream.

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

// Reads the text from its last character to its first, each place worth 16 times the one after
// it. Hexadecimal digits of either case add their value; any other character adds nothing but
// still takes its place. The sum wraps as a signed 32-bit number; an empty text gives 0.
std::int32_t HexToInt(std::string_view text);

// Consecutive pairs of digits, each pair one byte (a last single digit is a byte by itself),
// at most `limit` bytes.
inline constexpr std::size_t kMaxStreamBytes = 1024;
std::string HexStreamBytes(std::string_view digits, std::size_t limit = kMaxStreamBytes);

} // namespace tav
