#pragma once
// Where the document keeps the learned codes of its records: one array, in which the codes of
// the commands lie one after another in recognition order once the store is compacted.
// Matching a received code against thousands of commands then reads memory front to back
// instead of visiting every record, and each value is stored once.

#include "engine/document/Records.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tav {

class TCodeStore {
public:
    struct TEntry {
        TCommand* Command;
        std::size_t Offset; // of the first value in the array
        std::int32_t Count;
    };

    TCodeStore() = default;
    TCodeStore(const TCodeStore&) = delete;
    TCodeStore& operator=(const TCodeStore&) = delete;

    // The record's code becomes `code`, appended at the end; its old values are left behind
    // until the next compaction.
    void Assign(TCommand& command, std::span<const std::int32_t> code);
    // The record goes away; its values are left behind until the next compaction.
    void Release(const TCommand& command) { garbage_ += static_cast<std::size_t>(command.Count()); }
    void Clear();

    // Values no record uses any more, and all values.
    std::size_t Garbage() const { return garbage_; }
    std::size_t Size() const { return values_.size(); }
    // Lays the codes of `order` side by side in that order, then those of `others`, and lists
    // the commands of `order` that have a code. Every record with a code must be in one of the
    // two lists.
    void Compact(const std::vector<TCommand*>& order, const std::vector<TCommand*>& others);

    // The commands of the last compaction's order that have a code, in that order.
    std::span<const TEntry> Entries() const { return entries_; }
    std::span<const std::int32_t> CodeOf(const TEntry& entry) const {
        return std::span(values_).subspan(entry.Offset, static_cast<std::size_t>(entry.Count));
    }

private:
    std::vector<std::int32_t> values_;
    std::vector<TEntry> entries_;
    std::size_t garbage_ = 0;
};

} // namespace tav
