#include "framework/UnsentBytes.h"

#include <algorithm>

namespace tav {

void TUnsentBytes::Keep(std::string_view text) {
    bytes_.append(text);
}

std::string_view TUnsentBytes::Waiting() const {
    return std::string_view(bytes_).substr(start_);
}

void TUnsentBytes::Sent(std::size_t count) {
    start_ += std::min(count, bytes_.size() - start_);
    if (start_ == bytes_.size()) {
        // A burst that has gone leaves no megabytes behind.
        Clear();
        return;
    }
    // The sent bytes go once they are the larger part: a peer that takes a little at a time
    // does not make each send move megabytes.
    if (start_ >= bytes_.size() - start_) {
        bytes_.erase(0, start_);
        start_ = 0;
    }
}

void TUnsentBytes::Clear() {
    bytes_ = std::string();
    start_ = 0;
}

} // namespace tav
