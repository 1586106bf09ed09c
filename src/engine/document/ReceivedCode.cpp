#include "engine/document/ReceivedCode.h"

#include <algorithm>

namespace tav {

namespace {
constexpr std::int32_t kSerialLastIndex = 999;
} // namespace

bool TReceivedCode::AppendUpTo1000(std::int32_t value) {
    if (code_.LastIndex >= kSerialLastIndex)
        return false;
    code_.Code[static_cast<std::size_t>(++code_.LastIndex)] = value;
    return true;
}

bool TReceivedCode::FullUpTo1000() const {
    return code_.LastIndex >= kSerialLastIndex;
}

void TReceivedCode::AppendSaturating(std::int32_t value) {
    if (code_.LastIndex < kLastCodeIndex)
        ++code_.LastIndex;
    code_.Code[static_cast<std::size_t>(code_.LastIndex)] = value;
}

bool TReceivedCode::AppendChunkOrEmpty(std::span<const std::uint8_t> bytes) {
    const auto room = static_cast<std::size_t>(kLastCodeIndex - code_.LastIndex);
    if (bytes.size() > room) {
        Empty();
        return false;
    }
    for (std::uint8_t b : bytes)
        code_.Code[static_cast<std::size_t>(++code_.LastIndex)] = b;
    return true;
}

std::size_t TReceivedCode::AppendWhileRoom(std::span<const std::uint8_t> bytes) {
    const auto room = static_cast<std::size_t>(kLastCodeIndex - code_.LastIndex);
    const std::size_t kept = std::min(room, bytes.size());
    for (std::size_t i = 0; i < kept; ++i)
        code_.Code[static_cast<std::size_t>(++code_.LastIndex)] = bytes[i];
    return kept;
}

void TReceivedCode::Replace(std::span<const std::int32_t> values) {
    const std::size_t n = std::min<std::size_t>(values.size(), kCodeCapacity);
    std::copy_n(values.begin(), n, code_.Code.begin());
    code_.LastIndex = static_cast<std::int32_t>(n) - 1;
}

void TReceivedCode::ReplaceBytes(std::span<const std::uint8_t> bytes) {
    const std::size_t n = std::min<std::size_t>(bytes.size(), kCodeCapacity);
    std::copy_n(bytes.begin(), n, code_.Code.begin());
    code_.LastIndex = static_cast<std::int32_t>(n) - 1;
}

} // namespace tav
