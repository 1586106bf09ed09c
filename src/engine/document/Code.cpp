#include "engine/document/Code.h"

#include <algorithm>

namespace tav {

TCode::TCode(std::span<const std::int32_t> values)
    : values_(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(
                                                   values.size(), kCodeCapacity))) {}

bool TCode::Append(std::int32_t value) {
    if (Full())
        return false;
    values_.push_back(value);
    return true;
}

void TCode::ReplaceLast(std::int32_t value) {
    if (values_.empty())
        values_.push_back(value);
    else
        values_.back() = value;
}

} // namespace tav
