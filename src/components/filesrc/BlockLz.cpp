#include "components/filesrc/BlockLz.h"

#include <algorithm>

namespace tav {

namespace {

constexpr std::uint8_t kStored = 0x80;
constexpr std::uint8_t kCompressed = 0x40;
constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kWindow = 4096;

void PutWord(TBlockBuffer& block, std::size_t at, unsigned word) {
    block[at] = static_cast<std::uint8_t>(word >> 8);
    block[at + 1] = static_cast<std::uint8_t>(word);
}

// The bytes past the end of the block hash as zeros; no match ever reaches them.
unsigned Hash(std::span<const std::uint8_t> s, std::size_t p) {
    auto at = [&](std::size_t i) -> std::uint32_t { return i < s.size() ? s[i] : 0; };
    const std::uint32_t mixed = (((at(p) << 4) ^ at(p + 1)) << 4) ^ at(p + 2);
    return ((mixed * 40543u) >> 4) & 0x0FFF;
}

std::size_t RunLength(std::span<const std::uint8_t> s, std::size_t p) {
    std::size_t r = 1;
    while (r < kMaxRun && p + r < s.size() && s[p + r] == s[p])
        ++r;
    return r;
}

[[noreturn]] void Corrupt() {
    throw ECarriedFileError("Corrupt compressed block");
}

} // namespace

std::optional<TBlockLzCompressor::TMatch>
TBlockLzCompressor::FindMatch(std::span<const std::uint8_t> s, std::size_t p) {
    const unsigned h = Hash(s, p);
    const std::uint16_t earlier = table_[h];
    table_[h] = static_cast<std::uint16_t>(p);
    if (earlier == kEmpty || p - earlier >= kWindow)
        return std::nullopt;
    std::size_t length = 0;
    while (length < kMaxMatch && p + length < s.size() && s[p + length] == s[earlier + length])
        ++length;
    if (length < kMinMatch)
        return std::nullopt;
    return TMatch{earlier, length};
}

std::size_t TBlockLzCompressor::Compress(std::span<const std::uint8_t> s, TBlockBuffer& block) {
    const std::size_t n = s.size();
    table_.fill(kEmpty);
    block[0] = kCompressed;
    std::size_t control = 1; // where the current group's control word goes
    std::size_t o = 3;
    unsigned word = 0;
    unsigned items = 0;
    std::size_t p = 0;
    while (p < n && o <= n) {
        if (items == 16) {
            PutWord(block, control, word);
            control = o;
            o += 2;
            items = 0;
        }
        unsigned bit = 1;
        if (const std::size_t run = RunLength(s, p); run >= kMinRun) {
            block[o] = 0;
            PutWord(block, o + 1, static_cast<unsigned>(run - kMinRun));
            block[o + 3] = s[p];
            p += run;
            o += 4;
        } else if (const auto match = FindMatch(s, p)) {
            PutWord(
                block, o,
                static_cast<unsigned>(((p - match->Position) << 4) + (match->Length - kMinMatch)));
            p += match->Length;
            o += 2;
        } else {
            block[o++] = s[p++];
            bit = 0;
        }
        word = ((word << 1) | bit) & 0xFFFF;
        ++items;
    }
    PutWord(block, control, (word << (16 - items)) & 0xFFFF);
    if (o <= n)
        return o;
    block[0] = kStored;
    std::copy(s.begin(), s.end(), block.begin() + 1);
    return n + 1;
}

std::size_t BlockLzDecompress(std::span<const std::uint8_t> b, std::span<std::uint8_t> out) {
    if (b.empty())
        Corrupt();
    if (b[0] == kStored) {
        if (b.size() - 1 > out.size())
            Corrupt();
        std::copy(b.begin() + 1, b.end(), out.begin());
        return b.size() - 1;
    }
    if (b.size() < 3)
        Corrupt();
    std::size_t i = 3;
    std::size_t o = 0;
    auto need = [&](std::size_t count) {
        if (b.size() - i < count)
            Corrupt();
    };
    auto room = [&](std::size_t count) {
        if (out.size() - o < count)
            Corrupt();
    };
    unsigned word = (b[1] << 8) | b[2];
    unsigned bits = 16;
    while (i < b.size()) {
        if (bits == 0) {
            need(2);
            word = (b[i] << 8) | b[i + 1];
            i += 2;
            bits = 16;
        }
        if ((word & 0x8000) == 0) {
            need(1);
            room(1);
            out[o++] = b[i++];
        } else {
            need(2);
            const std::size_t offset = (b[i] << 4) | (b[i + 1] >> 4);
            if (offset == 0) {
                need(4);
                const std::size_t count = ((b[i + 1] << 8) | b[i + 2]) + kMinRun;
                room(count);
                std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(o), count, b[i + 3]);
                o += count;
                i += 4;
            } else {
                const std::size_t length = (b[i + 1] & 0x0F) + kMinMatch;
                if (offset > o)
                    Corrupt();
                room(length);
                // One byte at a time: an offset shorter than the length repeats a pattern.
                for (std::size_t k = 0; k < length; ++k, ++o)
                    out[o] = out[o - offset];
                i += 2;
            }
        }
        word = (word << 1) & 0xFFFF;
        --bits;
    }
    return o;
}

} // namespace tav
