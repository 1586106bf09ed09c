#include "engine/recognition/CompareCodes.h"

#include <algorithm>
#include <cstdint>

namespace tav {

bool CompareCodes(const TCompareSettings& s, const TCommand& stored, const TCommand& received) {
    if (stored.LastIndex < 0 || received.LastIndex < 0)
        return false;
    if (s.SameLength && stored.LastIndex != received.LastIndex)
        return false;
    int last = std::min(stored.LastIndex, received.LastIndex);
    if (s.LengthLimit > 0 && s.LengthLimit <= last)
        last = s.LengthLimit;
    // Codes of one or two values are told apart by their first value alone.
    if (last <= 1)
        return stored.Code[0] == received.Code[0];

    const std::int32_t* a = stored.Code.data();
    const std::int32_t* b = received.Code.data();
    const int first = std::max(s.SkipFirst, 0);
    if (s.Binary) {
        const std::int32_t h = s.BinaryThreshold;
        for (int i = first; i <= last; ++i)
            if ((a[i] < h) != (b[i] < h))
                return false;
        return true;
    }
    // In 64 bits: a stored value near the 32-bit limits plus the tolerance must not wrap.
    const std::int64_t t = s.Tolerance;
    for (int i = first; i <= last; ++i) {
        const std::int64_t d = static_cast<std::int64_t>(b[i]) - a[i];
        if (d < -t || d > t)
            return false;
    }
    return true;
}

} // namespace tav
