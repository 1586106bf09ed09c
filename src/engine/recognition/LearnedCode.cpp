#include "engine/recognition/LearnedCode.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace tav {

namespace {
// A sample with no values cannot be a code, whatever its comparison said.
bool Qualifies(const TInQueueArray& sample) {
    return sample.Matched && !sample.Code.Empty();
}
} // namespace

std::optional<TCode> LearnedCode(const TLearnQueue& queue) {
    const int count = std::clamp(queue.LastSample + 1, 0, static_cast<int>(queue.Samples.size()));
    const auto samples = std::span(queue.Samples).first(static_cast<std::size_t>(count));
    const TInQueueArray* shortest = nullptr;
    for (const TInQueueArray& s : samples)
        if (Qualifies(s) && (!shortest || s.Code.LastIndex() < shortest->Code.LastIndex()))
            shortest = &s;
    if (!shortest)
        return std::nullopt;

    const auto first = shortest->Code.Values();
    std::vector<std::int32_t> values(first.begin(), first.end());
    for (const TInQueueArray& s : samples) {
        if (!Qualifies(s))
            continue;
        for (std::size_t j = 0; j < values.size(); ++j) {
            // Two values near the limits add up beyond 32 bits; halved they fit again.
            const std::int64_t sum = std::int64_t{s.Code[j]} + values[j];
            values[j] = static_cast<std::int32_t>(sum / 2);
        }
    }
    return TCode(values);
}

} // namespace tav
