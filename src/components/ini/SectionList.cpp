#include "components/ini/SectionList.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {
// Sections shorter than this are scanned line by line; building a key map would cost more.
constexpr int kKeyIndexThreshold = 16;
} // namespace

std::string_view IniLineKey(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
}

std::string_view IniLineValue(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

int TSectionList::Add(std::string name, TPackedLines lines) {
    const int index = Count();
    sections_.push_back(Section{std::move(name), std::move(lines), -1, nullptr});
    return index;
}

void TSectionList::Delete(int index) {
    sections_.erase(sections_.begin() + index);
    names_.Clear();
    indexed_ = 0;
}

void TSectionList::Clear() {
    sections_.clear();
    names_.Clear();
    indexed_ = 0;
    remembered_ = 0;
}

// Makes `section`, the last of its name so far, the one the index finds.
void TSectionList::Index(int section) const {
    const auto placed = names_.Emplace(sections_[section].name, section,
                                       [this](int i) -> std::string_view { return Name(i); });
    sections_[section].earlierOfName = placed.added ? -1 : placed.position;
    placed.position = section;
}

void TSectionList::IndexNames() const {
    names_.Reserve(sections_.size());
    for (; indexed_ < Count(); ++indexed_)
        Index(indexed_);
}

int TSectionList::FindFrom(std::string_view name, int start) const {
    IndexNames();
    int hit = names_.Find(name, [this](int i) -> std::string_view { return Name(i); });
    if (hit < 0)
        return -1;
    // Back from the last section of the name to the first one at or after `start`; to the very
    // first one when none comes that late.
    const int from = std::max(start, 0);
    const bool noneLate = hit < from;
    for (int earlier = sections_[hit].earlierOfName; earlier >= 0 && (noneLate || earlier >= from);
         earlier = sections_[hit].earlierOfName)
        hit = earlier;
    return hit;
}

int TSectionList::IndexOf(std::string_view name) {
    const int hit = FindFrom(name, remembered_);
    if (hit >= 0)
        remembered_ = hit;
    return hit;
}

TSectionList::KeyLine TSectionList::FindKey(int section, std::string_view key) const {
    // A line without "=" (or one starting with it) has an empty key; no lookup means that line.
    // The key of a line ends at its first "=", so no line has a key that holds one.
    if (key.empty() || key.find('=') != std::string_view::npos)
        return {};
    const Section& s = sections_.at(section);
    KeyLine found;
    if (s.lines.Count() < kKeyIndexThreshold) {
        // No letter folds to "=", so a line whose text matches the key up to an "=" has that key.
        found.index = s.lines.FindIf([&](int, std::string_view line, std::size_t) {
            found.text = line;
            return line.size() > key.size() && line[key.size()] == '=' &&
                   SameFoldedText(line.substr(0, key.size()), key);
        });
        return found.index < 0 ? KeyLine{} : found;
    }
    const auto keyOf = [&s](int i) {
        return IniLineKey(s.lines.At(s.keys->starts[static_cast<std::size_t>(i)]));
    };
    if (!s.keys) {
        s.keys = std::make_unique<KeyIndex>();
        s.keys->starts.reserve(static_cast<std::size_t>(s.lines.Count()));
        s.lines.FindIf([&](int i, std::string_view line, std::size_t start) {
            s.keys->starts.push_back(start);
            s.keys->firstLines.Emplace(IniLineKey(line), i, keyOf);
            return false;
        });
    }
    found.index = s.keys->firstLines.Find(key, keyOf);
    if (found.index >= 0)
        found.text = s.lines.At(s.keys->starts[static_cast<std::size_t>(found.index)]);
    return found;
}

void TSectionList::AppendLine(int section, std::string_view line) {
    Section& s = sections_.at(section);
    const int index = s.lines.Count();
    const std::size_t start = s.lines.Append(line);
    if (s.keys) {
        s.keys->starts.push_back(start);
        s.keys->firstLines.Emplace(IniLineKey(line), index, [&s](int i) {
            return IniLineKey(s.lines.At(s.keys->starts[static_cast<std::size_t>(i)]));
        });
    }
}

void TSectionList::ReplaceLine(int section, int line, std::string_view text) {
    Section& s = sections_.at(section);
    s.lines.Replace(line, text);
    s.keys.reset();
}

void TSectionList::DeleteLine(int section, int line) {
    Section& s = sections_.at(section);
    s.lines.Erase(line);
    s.keys.reset();
}

bool TSectionList::Choose(const DuplicateSectionHandler& handler, Section& earlier,
                          Section& later) {
    // The handler may change the lines it is shown.
    IniLines earlierLines = earlier.lines.Unpacked();
    IniLines laterLines = later.lines.Unpacked();
    const bool keepEarlier = handler(earlier.name, earlierLines, laterLines);
    earlier.lines = TPackedLines(earlierLines);
    later.lines = TPackedLines(laterLines);
    return keepEarlier;
}

bool TSectionList::EraseDuplicates(const DuplicateSectionHandler& handler) {
    if (Count() < 2)
        return false;
    IndexNames();
    // Only sections that share their name take part. Their positions are sorted by name; the
    // stable sort keeps file order within a run of equal names, so the survivor of a run is
    // always the earlier section.
    std::vector<bool> shared(sections_.size(), false);
    for (std::size_t k = 0; k < sections_.size(); ++k) {
        const int earlier = sections_[k].earlierOfName;
        if (earlier >= 0)
            shared[k] = shared[static_cast<std::size_t>(earlier)] = true;
    }
    std::vector<int> order;
    for (std::size_t k = 0; k < sections_.size(); ++k)
        if (shared[k])
            order.push_back(static_cast<int>(k));
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return AnsiCompareText(sections_[a].name, sections_[b].name) < 0;
    });
    std::vector<bool> dropped(sections_.size(), false);
    bool any = false;
    std::size_t i = 0;
    while (i < order.size()) {
        int survivor = order[i];
        std::size_t j = i + 1;
        for (; j < order.size() && AnsiSameText(sections_[order[j]].name, sections_[survivor].name);
             ++j) {
            const int other = order[j];
            if (!handler || Choose(handler, sections_[survivor], sections_[other])) {
                dropped[other] = true;
            } else {
                dropped[survivor] = true;
                survivor = other;
            }
            any = true;
        }
        i = j;
    }
    if (!any)
        return false;
    std::vector<Section> kept;
    kept.reserve(sections_.size());
    for (std::size_t k = 0; k < sections_.size(); ++k) {
        if (!dropped[k]) {
            sections_[k].keys.reset(); // the handler may have changed the lines
            kept.push_back(std::move(sections_[k]));
        }
    }
    sections_ = std::move(kept);
    names_.Clear();
    indexed_ = 0;
    remembered_ = 0;
    return true;
}

} // namespace tav
