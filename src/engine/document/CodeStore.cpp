#include "engine/document/CodeStore.h"

namespace tav {

void TCodeStore::Assign(TCommand& command, std::span<const std::int32_t> code) {
    garbage_ += static_cast<std::size_t>(command.Count());
    command.values_ = &values_;
    command.codeOffset_ = values_.size();
    command.codeCount_ = static_cast<std::int32_t>(code.size());
    values_.insert(values_.end(), code.begin(), code.end());
}

void TCodeStore::Clear() {
    values_ = {};
    entries_ = {};
    garbage_ = 0;
}

void TCodeStore::Compact(const std::vector<TCommand*>& order,
                         const std::vector<TCommand*>& others) {
    std::size_t total = 0;
    std::size_t coded = 0;
    for (const TCommand* command : order) {
        total += static_cast<std::size_t>(command->Count());
        coded += command->Empty() ? 0 : 1;
    }
    for (const TCommand* command : others)
        total += static_cast<std::size_t>(command->Count());
    // Built aside and swapped in, so that the arrays take exactly what they hold.
    std::vector<std::int32_t> values;
    std::vector<TEntry> entries;
    values.reserve(total);
    entries.reserve(coded);
    auto move = [&](TCommand* command) {
        const auto code = command->Code();
        command->codeOffset_ = values.size();
        values.insert(values.end(), code.begin(), code.end());
    };
    for (TCommand* command : order) {
        move(command);
        if (!command->Empty())
            entries.push_back({command, command->codeOffset_, command->codeCount_});
    }
    for (TCommand* command : others)
        move(command);
    // The records keep pointing at this array object; only its contents change.
    values_.swap(values);
    entries_.swap(entries);
    garbage_ = 0;
}

} // namespace tav
