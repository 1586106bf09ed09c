#pragma once
// The buffer into which every input origin collects the code being received. Each origin has its
// own rule for a full buffer; the named operations carry those rules so that no origin writes
// past the record or keeps more values than its rule allows.

#include "engine/document/Code.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tav {

class TReceivedCode {
public:
    // Serial receiver and console: values are kept until the buffer holds 1000 of them
    // (last index 999); later values of the same code are dropped. False when dropped.
    bool AppendUpTo1000(std::int32_t value);
    // The serial bound is reached: AppendUpTo1000 drops what comes.
    bool FullUpTo1000() const;
    // Drivers: the buffer grows to its last index; from then on each value overwrites it.
    void AppendSaturating(std::int32_t value);
    // Control server: the whole chunk is appended when it fits (last index at most 1000);
    // otherwise the buffer is emptied and the chunk dropped. False when dropped.
    bool AppendChunkOrEmpty(std::span<const std::uint8_t> bytes);
    // Named pipe: each value is appended while there is room; the rest is dropped.
    // Returns how many values were kept.
    std::size_t AppendWhileRoom(std::span<const std::uint8_t> bytes);
    // Origins whose one message is a whole code. Values beyond the record are dropped.
    void Replace(std::span<const std::int32_t> values);
    void ReplaceBytes(std::span<const std::uint8_t> bytes);
    void Empty() { code_.Clear(); }

    const TCode& Code() const { return code_; }
    std::int32_t LastIndex() const { return code_.LastIndex(); }
    bool IsEmpty() const { return code_.Empty(); }
    std::span<const std::int32_t> Values() const { return code_.Values(); }

private:
    TCode code_;
};

} // namespace tav
