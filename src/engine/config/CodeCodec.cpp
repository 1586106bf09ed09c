#include "engine/config/CodeCodec.h"

#include "framework/Text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tav {

namespace {

int HexWidth(std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    int width = 1;
    while (u >= 16) {
        u >>= 4;
        ++width;
    }
    return width;
}

// Any character that is no hexadecimal digit counts as 0.
std::uint32_t DigitValue(char c) {
    return static_cast<std::uint32_t>(std::max(HexDigitValue(c), 0));
}

} // namespace

int CodeDigits(std::span<const std::int32_t> code) {
    int digits = 0;
    for (const std::int32_t value : code)
        digits = std::max(digits, HexWidth(value));
    return digits;
}

std::string EncodeCode(std::span<const std::int32_t> code) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int digits = CodeDigits(code);
    std::string text;
    text.reserve(static_cast<std::size_t>(digits) * code.size());
    for (const std::int32_t value : code) {
        const auto u = static_cast<std::uint32_t>(value);
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            text += kHex[(u >> shift) & 0xF];
    }
    return text;
}

TCode DecodeCode(std::string_view text, int digits) {
    if (text.empty() || digits < 1)
        return {};
    const std::size_t width = static_cast<std::size_t>(digits);
    std::vector<std::int32_t> values(
        std::min(text.size() / width, static_cast<std::size_t>(kCodeCapacity)));
    for (std::size_t j = 0; j < values.size(); ++j) {
        std::uint32_t value = 0;
        for (char c : text.substr(j * width, width))
            value = (value << 4) | DigitValue(c);
        values[j] = static_cast<std::int32_t>(value);
    }
    return TCode(values);
}

} // namespace tav
