#include "engine/config/CodeCodec.h"

#include "framework/Text.h"

#include <algorithm>
#include <cstdint>

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

int CodeDigits(const TCommand& command) {
    int digits = 0;
    for (int i = 0; i <= command.LastIndex; ++i)
        digits = std::max(digits, HexWidth(command.Code[static_cast<std::size_t>(i)]));
    return digits;
}

std::string EncodeCode(const TCommand& command) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int digits = CodeDigits(command);
    std::string text;
    text.reserve(static_cast<std::size_t>(digits) * static_cast<std::size_t>(command.Count()));
    for (int i = 0; i <= command.LastIndex; ++i) {
        const auto u = static_cast<std::uint32_t>(command.Code[static_cast<std::size_t>(i)]);
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            text += kHex[(u >> shift) & 0xF];
    }
    return text;
}

void DecodeCode(std::string_view text, int digits, TCommand& command) {
    command.LastIndex = -1;
    if (text.empty() || digits < 1)
        return;
    const std::size_t width = static_cast<std::size_t>(digits);
    const std::size_t count = std::min(text.size() / width, command.Code.size());
    for (std::size_t j = 0; j < count; ++j) {
        std::uint32_t value = 0;
        for (char c : text.substr(j * width, width))
            value = (value << 4) | DigitValue(c);
        command.Code[j] = static_cast<std::int32_t>(value);
    }
    command.LastIndex = static_cast<std::int32_t>(count) - 1;
}

} // namespace tav
