#pragma once
// The text form of a learned code in the configuration file: every value as the same number of
// upper-case hexadecimal digits (the width of the widest value), joined without separator.

#include "engine/document/Code.h"

#include <string>
#include <string_view>

namespace tav {

// Digits the widest value needs (8 for any negative); 0 for an empty code.
int CodeDigits(std::span<const std::int32_t> code);
// The values, each zero-padded to CodeDigits; empty for an empty code.
std::string EncodeCode(std::span<const std::int32_t> code);
// Cuts `text` into chunks of `digits` characters from its start (a short rest is ignored) and
// stores them as values; any character that is no hexadecimal digit counts as 0 and a value
// wraps at 32 bits. Keeps at most a code's capacity; empty when nothing fits.
TCode DecodeCode(std::string_view text, int digits);

} // namespace tav
