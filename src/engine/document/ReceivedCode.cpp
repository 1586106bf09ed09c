#include "engine/document/ReceivedCode.h"

#include <algorithm>
#include <vector>

namespace tav {

namespace {
constexpr std::int32_t kSerialLastIndex = 999;
} // namespace

bool TReceivedCode::AppendUpTo1000(std::int32_t value) {
    if (code_.LastIndex() >= kSerialLastIndex)
        return false;
    return code_.Append(value);
}

bool TReceivedCode::FullUpTo1000() const {
    return code_.LastIndex() >= kSerialLastIndex;
}

void TReceivedCode::AppendSaturating(std::int32_t value) {
    if (!code_.Append(value))
        code_.ReplaceLast(value);
}

bool TReceivedCode::AppendChunkOrEmpty(std::span<const std::uint8_t> bytes) {
    const auto room = static_cast<std::size_t>(kLastCodeIndex - code_.LastIndex());
    if (bytes.size() > room) {
        Empty();
        return false;
    }
    for (std::uint8_t b : bytes)
        code_.Append(b);
    return true;
}

std::size_t TReceivedCode::AppendWhileRoom(std::span<const std::uint8_t> bytes) {
    const auto room = static_cast<std::size_t>(kLastCodeIndex - code_.LastIndex());
    const std::size_t kept = std::min(room, bytes.size());
    for (std::size_t i = 0; i < kept; ++i)
        code_.Append(bytes[i]);
    return kept;
}

void TReceivedCode::Replace(std::span<const std::int32_t> values) {
    code_ = TCode(values);
}

void TReceivedCode::ReplaceBytes(std::span<const std::uint8_t> bytes) {
    const auto kept = bytes.first(std::min<std::size_t>(bytes.size(), kCodeCapacity));
    const std::vector<std::int32_t> values(kept.begin(), kept.end());
    code_ = TCode(values);
}

} // namespace tav
