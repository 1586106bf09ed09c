#include "components/ini/FoldedNames.h"

#include <algorithm>
#include <bit>
#include <string>

namespace tav {

namespace {

// The capital of every byte, taken from the program's own case mapping so that the hash and
// the comparison can never disagree.
const std::string& Capitals() {
    static const std::string capitals = [] {
        std::string bytes(256, '\0');
        for (int i = 0; i < 256; ++i)
            bytes[static_cast<std::size_t>(i)] = static_cast<char>(i);
        return AnsiUpperCase(bytes);
    }();
    return capitals;
}

} // namespace

std::uint32_t FoldedHash(std::string_view s) {
    const std::string& capitals = Capitals();
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : s) {
        hash ^= static_cast<unsigned char>(capitals[static_cast<unsigned char>(c)]);
        hash *= 16777619u;
    }
    return hash;
}

std::size_t TFoldedNames::Home(std::uint32_t hash) const {
    // The high bits of a Fibonacci product spread hashes that differ only in their low bits.
    const std::uint64_t spread = static_cast<std::uint64_t>(hash) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(spread >> 32) & (slots_.size() - 1);
}

void TFoldedNames::Reserve(std::size_t names) {
    if (names * 2 > slots_.size())
        Rehash(std::bit_ceil(std::max<std::size_t>(names * 2, 16)));
}

void TFoldedNames::Rehash(std::size_t size) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(size, Slot{});
    for (const Slot& slot : old) {
        if (slot.position < 0)
            continue;
        std::size_t i = Home(slot.hash);
        while (slots_[i].position >= 0)
            i = (i + 1) & (slots_.size() - 1);
        slots_[i] = slot;
    }
}

} // namespace tav
