#include "engine/origins/TvApplication.h"

#include "framework/Text.h"

namespace tav {

namespace {

std::string TestLine(std::int32_t code, TDataFormat format) {
    switch (format) {
    case TDataFormat::Hexadecimal:
        return IntToHex(code, 2);
    case TDataFormat::Ascii:
        return std::string(1, static_cast<char>(code & 0xFF));
    case TDataFormat::Decimal:
        break;
    }
    return IntToStr(code);
}

} // namespace

std::int32_t TvApplicationCode(std::uint64_t wParam, std::uint64_t lParam) {
    const auto high = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam));
    std::uint64_t scale = 1;
    for (std::size_t places = IntToStr(low).size(); places > 0; --places)
        scale *= 10;
    // Unsigned arithmetic wraps where the signed sum would overflow; the low 32 bits are the
    // same either way.
    const std::uint64_t code = static_cast<std::uint64_t>(static_cast<std::int64_t>(high)) * scale +
                               static_cast<std::uint64_t>(static_cast<std::int64_t>(low));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(code));
}

void ReceiveTvApplicationCode(TCodeReceiver& codes, std::uint64_t wParam, std::uint64_t lParam) {
    const std::int32_t code = TvApplicationCode(wParam, lParam);
    codes.ReceiveWhole(
        [code](TReceivedCode& rc) {
            rc.Replace({&code, 1});
        },
        [code](const TReceivedCode&, TDataFormat format) { return TestLine(code, format); });
}

} // namespace tav
