#pragma once
// The sections of an INI file in file order, each with its raw lines. Names compare without
// regard to letter case; a folded-name index keeps lookups cheap on files with many sections.

#include "components/ini/FoldedNames.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

using IniLines = std::vector<std::string>;

// Decides which of two sections of one name survives a load: true keeps the earlier one.
using DuplicateSectionHandler =
    std::function<bool(const std::string& name, IniLines& earlier, IniLines& later)>;

class TSectionList {
public:
    int Count() const { return static_cast<int>(sections_.size()); }
    const std::string& Name(int index) const { return sections_.at(index).name; }
    const IniLines& SectionItems(int index) const { return sections_.at(index).lines; }

    // Appends a section even when one of that name exists already; returns its index.
    int Add(std::string name, IniLines lines = {});
    void Delete(int index);
    void Clear();

    // Searches from the remembered index to the end, then from the start; remembers a hit.
    int IndexOf(std::string_view name);
    // The first section of that name at or after `start`, else the first one before it.
    int FindFrom(std::string_view name, int start) const;
    void ResetRememberedIndex() { remembered_ = 0; }

    // Index of the first line of the section whose key equals `key` (letter case aside), or -1;
    // always -1 for an empty key.
    int FindKey(int section, std::string_view key) const;
    void AppendLine(int section, std::string line);
    void ReplaceLine(int section, int line, std::string text);
    void DeleteLine(int section, int line);

    // Removes all but one section of each name; true when any section was removed.
    bool EraseDuplicates(const DuplicateSectionHandler& handler);

private:
    struct Section {
        std::string name;
        IniLines lines;
        // The section of the same name before this one, or -1.
        mutable int earlierOfName = -1;
        // The first line of each key; built on first use, dropped on line changes.
        mutable std::unique_ptr<TFoldedNames> keys;
    };

    void Index(int section) const;
    // Brings the index of names up to the sections added since it was last used.
    void IndexNames() const;

    std::vector<Section> sections_;
    // The last section of each name; the earlier ones are chained from it. It holds the first
    // `indexed_` sections: a load adds its sections unindexed, then indexes them all at once.
    mutable TFoldedNames names_;
    mutable int indexed_ = 0;
    int remembered_ = 0;
};

// The key of a raw line: the text before its first "=", empty when it has none.
std::string_view IniLineKey(std::string_view line);
// The value of a raw line: the text after its first "=", empty when it has none.
std::string_view IniLineValue(std::string_view line);

} // namespace tav
