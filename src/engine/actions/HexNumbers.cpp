#include "engine/actions/HexNumbers.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

std::int32_t HexToInt(std::string_view text) {
    std::uint32_t sum = 0;
    std::uint32_t place = 1;
    for (auto c = text.rbegin(); c != text.rend(); ++c) {
        sum += static_cast<std::uint32_t>(std::max(HexDigitValue(*c), 0)) * place;
        place *= 16;
    }
    return static_cast<std::int32_t>(sum);
}

std::string HexStreamBytes(std::string_view digits, std::size_t limit) {
    std::string bytes;
    for (std::size_t i = 0; i < digits.size() && bytes.size() < limit; i += 2)
        bytes += static_cast<char>(HexToInt(digits.substr(i, 2)) & 0xFF);
    return bytes;
}

} // namespace tav
