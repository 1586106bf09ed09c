#pragma once
// The learned codes of the commands in recognition order, one after another in a single array:
// matching a received code against thousands of commands then reads memory front to back
// instead of visiting every record.

#include "engine/document/Records.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tav {

class TRecognitionCodes {
public:
    struct TEntry {
        TCommand* Command;
        std::uint32_t Offset; // of the first value in the array
        std::int32_t Count;
    };

    // The codes of `order`, in that order; commands without a code are left out.
    void Rebuild(const std::vector<TCommand*>& order);

    std::span<const TEntry> Entries() const { return entries_; }
    std::span<const std::int32_t> CodeOf(const TEntry& entry) const {
        return std::span(values_).subspan(entry.Offset, static_cast<std::size_t>(entry.Count));
    }

private:
    std::vector<TEntry> entries_;
    std::vector<std::int32_t> values_;
};

} // namespace tav
