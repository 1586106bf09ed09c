#include "components/ini/SectionList.h"

#include "framework/Text.h"

#include <algorithm>
#include <numeric>

namespace tav {

namespace {
// Sections shorter than this are scanned line by line; building a key map would cost more.
constexpr std::size_t kKeyIndexThreshold = 16;
} // namespace

std::string_view IniLineKey(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(0, eq);
}

std::string_view IniLineValue(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

int TSectionList::Add(std::string name) {
    const int index = Count();
    if (namesBuilt_)
        names_[AnsiUpperCase(name)].push_back(index);
    sections_.push_back(Section{std::move(name), {}, {}, false});
    return index;
}

void TSectionList::Delete(int index) {
    sections_.erase(sections_.begin() + index);
    namesBuilt_ = false;
}

void TSectionList::Clear() {
    sections_.clear();
    names_.clear();
    namesBuilt_ = true;
    remembered_ = 0;
}

void TSectionList::Reindex() const {
    names_.clear();
    for (int i = 0; i < Count(); ++i)
        names_[AnsiUpperCase(sections_[i].name)].push_back(i);
    namesBuilt_ = true;
}

int TSectionList::FindFrom(std::string_view name, int start) const {
    if (!namesBuilt_)
        Reindex();
    const auto it = names_.find(AnsiUpperCase(name));
    if (it == names_.end())
        return -1;
    const auto& positions = it->second;
    const auto at = std::lower_bound(positions.begin(), positions.end(), start);
    return at != positions.end() ? *at : positions.front();
}

int TSectionList::IndexOf(std::string_view name) {
    const int hit = FindFrom(name, remembered_);
    if (hit >= 0)
        remembered_ = hit;
    return hit;
}

int TSectionList::FindKey(int section, std::string_view key) const {
    // A line without "=" (or one starting with it) has an empty key; no lookup means that line.
    if (key.empty())
        return -1;
    const Section& s = sections_.at(section);
    if (s.lines.size() < kKeyIndexThreshold) {
        for (std::size_t i = 0; i < s.lines.size(); ++i)
            if (AnsiSameText(IniLineKey(s.lines[i]), key))
                return static_cast<int>(i);
        return -1;
    }
    if (!s.keysBuilt) {
        s.keys.clear();
        for (std::size_t i = 0; i < s.lines.size(); ++i)
            s.keys.emplace(AnsiUpperCase(IniLineKey(s.lines[i])), static_cast<int>(i));
        s.keysBuilt = true;
    }
    const auto it = s.keys.find(AnsiUpperCase(key));
    return it == s.keys.end() ? -1 : it->second;
}

void TSectionList::AppendLine(int section, std::string line) {
    Section& s = sections_.at(section);
    if (s.keysBuilt)
        s.keys.emplace(AnsiUpperCase(IniLineKey(line)), static_cast<int>(s.lines.size()));
    s.lines.push_back(std::move(line));
}

void TSectionList::ReplaceLine(int section, int line, std::string text) {
    Section& s = sections_.at(section);
    s.lines.at(line) = std::move(text);
    s.keysBuilt = false;
}

void TSectionList::DeleteLine(int section, int line) {
    Section& s = sections_.at(section);
    s.lines.erase(s.lines.begin() + line);
    s.keysBuilt = false;
}

bool TSectionList::EraseDuplicates(const DuplicateSectionHandler& handler) {
    if (Count() < 2)
        return false;
    // Positions sorted by name; the stable sort keeps file order within a run of equal names,
    // so the survivor of a run is always the earlier section.
    std::vector<int> order(sections_.size());
    std::iota(order.begin(), order.end(), 0);
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
            Section& earlier = sections_[survivor];
            Section& later = sections_[other];
            if (!handler || handler(earlier.name, earlier.lines, later.lines)) {
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
            sections_[k].keysBuilt = false; // the handler may have changed the lines
            kept.push_back(std::move(sections_[k]));
        }
    }
    sections_ = std::move(kept);
    namesBuilt_ = false;
    remembered_ = 0;
    return true;
}

} // namespace tav
