#include "engine/recognition/LearnedCode.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace tav {

namespace {
// A sample with no values cannot be a code, whatever its comparison said.
bool Qualifies(const TInQueueArray& sample) {
    return sample.Matched && sample.Command.LastIndex >= 0;
}
} // namespace

bool StoreLearnedCode(const TLearnQueue& queue, TCommand& command) {
    const int count = std::clamp(queue.LastSample + 1, 0, static_cast<int>(queue.Samples.size()));
    const auto samples = std::span(queue.Samples).first(static_cast<std::size_t>(count));
    const TInQueueArray* shortest = nullptr;
    for (const TInQueueArray& s : samples)
        if (Qualifies(s) && (!shortest || s.Command.LastIndex < shortest->Command.LastIndex))
            shortest = &s;
    if (!shortest)
        return false;

    const int last = shortest->Command.LastIndex;
    std::copy_n(shortest->Command.Code.begin(), last + 1, command.Code.begin());
    command.LastIndex = last;
    for (const TInQueueArray& s : samples) {
        if (!Qualifies(s))
            continue;
        for (std::size_t j = 0; j <= static_cast<std::size_t>(last); ++j) {
            // Two values near the limits add up beyond 32 bits; halved they fit again.
            const std::int64_t sum = std::int64_t{s.Command.Code[j]} + command.Code[j];
            command.Code[j] = static_cast<std::int32_t>(sum / 2);
        }
    }
    return true;
}

} // namespace tav
