#pragma once
// The block compressor of carried files: one block of at most 32768 bytes becomes either a
// stored block (flag 0x80, then the bytes) or a compressed one (flag 0x40, then groups of a
// 16-bit big-endian control word and up to 16 items: literals, copies of 3 to 18 bytes from up
// to 4095 bytes back, and runs of 16 to 4095 equal bytes).

#include "components/filesrc/CarriedBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace tav {

inline constexpr std::size_t kMaxBlockSource = 32768;
// The compressor writes up to 6 bytes past the source's size before it falls back to storing.
inline constexpr std::size_t kBlockBufferSize = kMaxBlockSource + 15;
using TBlockBuffer = std::array<std::uint8_t, kBlockBufferSize>;

class TBlockLzCompressor {
public:
    // Compresses `source` (at most kMaxBlockSource bytes) into `block`; the block's size. A
    // block that would not be smaller than its source is stored instead.
    std::size_t Compress(std::span<const std::uint8_t> source, TBlockBuffer& block);

private:
    struct TMatch {
        std::size_t Position;
        std::size_t Length;
    };
    // The earlier position of the last 3 bytes that hashed like those at `p`, when at least 3
    // bytes there match. Enters `p` into the table either way.
    std::optional<TMatch> FindMatch(std::span<const std::uint8_t> source, std::size_t p);

    // Per hash of 3 bytes: where in the current block they were last looked up (0xFFFF none).
    std::array<std::uint16_t, 4096> table_{};
};

// Writes the bytes of `block` into `out` and returns how many. A block that reads past its
// end, writes past `out`, copies from before its first byte or has no flag is refused with
// ECarriedFileError.
std::size_t BlockLzDecompress(std::span<const std::uint8_t> block, std::span<std::uint8_t> out);

} // namespace tav
