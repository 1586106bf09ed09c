#pragma once
// The sections of an INI file in file order, each with its raw lines. Names compare without
// regard to letter case; a folded-name index keeps lookups cheap on files with many sections.

#include "components/ini/FoldedNames.h"
#include "components/ini/PackedLines.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Decides which of two sections of one name survives a load: true keeps the earlier one.
using DuplicateSectionHandler =
    std::function<bool(const std::string& name, IniLines& earlier, IniLines& later)>;

class TSectionList {
public:
    int Count() const { return static_cast<int>(sections_.size()); }
    const std::string& Name(int index) const { return sections_.at(index).name; }
    int LineCount(int index) const { return sections_.at(index).lines.Count(); }
    // A copy of the section's lines.
    IniLines SectionItems(int index) const { return sections_.at(index).lines.Unpacked(); }

    // Appends a section even when one of that name exists already; returns its index.
    int Add(std::string name, TPackedLines lines = {});
    void Delete(int index);
    void Clear();

    // Searches from the remembered index to the end, then from the start; remembers a hit.
    int IndexOf(std::string_view name);
    // The first section of that name at or after `start`, else the first one before it.
    int FindFrom(std::string_view name, int start) const;
    void ResetRememberedIndex() { remembered_ = 0; }

    // The first line of a section whose key equals the asked one (letter case aside): its
    // index, -1 when there is none, and its text, valid until the section's lines change.
    struct KeyLine {
        int index = -1;
        std::string_view text;
    };
    // Never finds a line for an empty key.
    KeyLine FindKey(int section, std::string_view key) const;
    void AppendLine(int section, std::string_view line);
    void ReplaceLine(int section, int line, std::string_view text);
    void DeleteLine(int section, int line);

    // Removes all but one section of each name; true when any section was removed.
    bool EraseDuplicates(const DuplicateSectionHandler& handler);

private:
    struct KeyIndex {
        TFoldedNames firstLines;         // the first line of each key
        std::vector<std::size_t> starts; // where each line is stored
    };
    struct Section {
        std::string name;
        TPackedLines lines;
        // The section of the same name before this one, or -1.
        mutable int earlierOfName = -1;
        // Built on first use, dropped when a line changes or goes.
        mutable std::unique_ptr<KeyIndex> keys;
    };

    // Asks the handler whether the earlier of two sections of one name survives.
    static bool Choose(const DuplicateSectionHandler& handler, Section& earlier, Section& later);
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
