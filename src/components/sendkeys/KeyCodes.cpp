#include "components/sendkeys/KeyCodes.h"

namespace tav {

namespace {

constexpr std::uint8_t kCursorBlock[] = {0x24, 0x23, 0x26, 0x28, 0x25,
                                         0x27, 0x21, 0x22, 0x2D, 0x2E};
constexpr std::uint8_t kModifiers[] = {kVkShift, kVkControl, kVkMenu};
constexpr std::uint8_t kVkF1 = 0x70;

} // namespace

TKeyCode DescribeCode(std::uint8_t code) {
    if (code < 32)
        return {TCodeKind::Key, code};
    if (code < kF1Code)
        return {TCodeKind::Character};
    if (code < kHomeCode)
        return {TCodeKind::Key, static_cast<std::uint8_t>(kVkF1 + (code - kF1Code))};
    if (code < kShiftDownCode)
        return {TCodeKind::Key, kCursorBlock[code - kHomeCode], false, true};
    const int modifier = code - kShiftDownCode;
    return {TCodeKind::Modifier, kModifiers[modifier / 2], modifier % 2 == 1};
}

} // namespace tav
