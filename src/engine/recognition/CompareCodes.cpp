#include "engine/recognition/CompareCodes.h"

#include <algorithm>
#include <cstddef>

namespace tav {

namespace {

// Values are checked a block at a time, the whole block without an early exit, so that the
// compiler turns each block into vector instructions. The first value is checked alone: most
// stored codes already differ there from the received one.
constexpr std::size_t kBlock = 128;

template <class Fits>
bool BlockFits(const std::int32_t* a, const std::int32_t* b, std::size_t count, Fits fits) {
    unsigned misfits = 0;
    for (std::size_t k = 0; k < count; ++k)
        misfits |= fits(a[k], b[k]) ? 0u : 1u;
    return misfits == 0;
}

template <class Fits>
bool AllFit(const std::int32_t* a, const std::int32_t* b, std::size_t count, Fits fits) {
    if (!fits(a[0], b[0]))
        return false;
    for (std::size_t i = 1; i < count; i += kBlock)
        if (!BlockFits(a + i, b + i, std::min(kBlock, count - i), fits))
            return false;
    return true;
}

// Inlined into the scan of the store as well as into CompareCodes.
inline bool Matches(const TCompareSettings& s, std::span<const std::int32_t> stored,
                    std::span<const std::int32_t> received) {
    if (stored.empty() || received.empty())
        return false;
    if (s.SameLength && stored.size() != received.size())
        return false;
    auto last = static_cast<std::ptrdiff_t>(std::min(stored.size(), received.size())) - 1;
    if (s.LengthLimit > 0 && s.LengthLimit <= last)
        last = s.LengthLimit;
    // Codes of one or two values are told apart by their first value alone.
    if (last <= 1)
        return stored[0] == received[0];

    const std::ptrdiff_t first = std::max(s.SkipFirst, 0);
    if (first > last)
        return true;
    const std::int32_t* a = stored.data() + first;
    const std::int32_t* b = received.data() + first;
    const auto count = static_cast<std::size_t>(last - first + 1);
    if (s.Binary) {
        const std::int32_t h = s.BinaryThreshold;
        return AllFit(a, b, count,
                      [h](std::int32_t x, std::int32_t y) { return (x < h) == (y < h); });
    }
    // The distance of two 32-bit values always fits 32 bits unsigned, so this is the exact
    // check |y - x| <= t that 64-bit arithmetic would make, without any value wrapping, and
    // it stays in 32-bit lanes.
    if (s.Tolerance < 0)
        return false;
    const auto t = static_cast<std::uint32_t>(s.Tolerance);
    return AllFit(a, b, count, [t](std::int32_t x, std::int32_t y) {
        const auto ux = static_cast<std::uint32_t>(x);
        const auto uy = static_cast<std::uint32_t>(y);
        return (x < y ? uy - ux : ux - uy) <= t;
    });
}

} // namespace

bool CompareCodes(const TCompareSettings& settings, std::span<const std::int32_t> stored,
                  std::span<const std::int32_t> received) {
    return Matches(settings, stored, received);
}

TCommand* FirstMatchingCommand(const TCompareSettings& settings, const TCodeStore& codes,
                               std::span<const std::int32_t> received) {
    // A record is visited only when its code matches.
    for (const TCodeStore::TEntry& entry : codes.Entries())
        if (Matches(settings, codes.CodeOf(entry), received) && entry.Command->Recognition)
            return entry.Command;
    return nullptr;
}

} // namespace tav
