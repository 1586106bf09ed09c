#include "engine/actions/MessageNames.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {
bool NameBefore(std::string_view a, std::string_view b) {
    return AnsiCompareText(a, b) < 0;
}
} // namespace

TMessageNameTable::TMessageNameTable(std::vector<std::string> windowsMessages,
                                     std::vector<std::string> userMessages)
    : windowsLines_(std::move(windowsMessages)), userLines_(std::move(userMessages)),
      windows_(Index(windowsLines_)), user_(Index(userLines_)) {
    for (Entry& entry : user_) {
        std::string_view message = entry.Number;
        if (const auto equals = message.find('='); equals != std::string_view::npos)
            message = message.substr(equals + 1);
        message = message.substr(0, message.find(','));
        entry.Number = Find(windows_, message).value_or(message);
    }
}

// Sorted by name, the first line of a name ahead of its later ones; lines without "=" name
// nothing.
std::vector<TMessageNameTable::Entry> TMessageNameTable::Index(std::span<const std::string> lines) {
    std::vector<Entry> entries;
    entries.reserve(lines.size());
    for (const std::string& line : lines) {
        const std::string_view text = line;
        if (const auto equals = text.find('='); equals != std::string_view::npos)
            entries.push_back({text.substr(0, equals), text.substr(equals + 1)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return NameBefore(a.Name, b.Name); });
    return entries;
}

std::optional<std::string_view> TMessageNameTable::Find(std::span<const Entry> entries,
                                                        std::string_view name) {
    const auto it = std::lower_bound(
        entries.begin(), entries.end(), name,
        [](const Entry& entry, std::string_view n) { return NameBefore(entry.Name, n); });
    if (it == entries.end() || !AnsiSameText(it->Name, name))
        return std::nullopt;
    return it->Number;
}

std::optional<std::string_view> TMessageNameTable::Resolve(std::string_view name) const {
    if (const auto number = Find(windows_, name))
        return number;
    return Find(user_, name);
}

} // namespace tav
