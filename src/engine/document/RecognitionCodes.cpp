#include "engine/document/RecognitionCodes.h"

namespace tav {

void TRecognitionCodes::Rebuild(const std::vector<TCommand*>& order) {
    std::size_t total = 0;
    std::size_t coded = 0;
    for (const TCommand* command : order) {
        total += static_cast<std::size_t>(command->Count());
        coded += command->Empty() ? 0 : 1;
    }
    // Built aside and swapped in, so that the arrays take exactly what they hold.
    std::vector<TEntry> entries;
    std::vector<std::int32_t> values;
    entries.reserve(coded);
    values.reserve(total);
    for (TCommand* command : order) {
        if (command->Empty())
            continue;
        entries.push_back({command, static_cast<std::uint32_t>(values.size()), command->Count()});
        const auto code = command->Code().Values();
        values.insert(values.end(), code.begin(), code.end());
    }
    entries_.swap(entries);
    values_.swap(values);
}

} // namespace tav
