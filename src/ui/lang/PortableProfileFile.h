#pragma once
// A profile-file reader in portable code, following the rules of the platform's reader:
//  - lines end at CR, LF or CR LF; blanks (and the DOS end-of-file mark ^Z) around a line,
//    a section name, a key and a value are dropped;
//  - "[name]" starts a section named by the text up to the last "]"; a line holding "="
//    is a key and a value; a line without "=" is a key with no value, which reads as absent;
//  - section and key names compare without regard to letter case; of sections with the same
//    name only the first is searched, and of keys with the same name the first counts;
//  - a value enclosed in matching quotes (both " or both ') loses them; a value ends at a NUL
//    character and keeps at most kMaxProfileValueLength characters.

#include "ui/lang/ProfileFile.h"

#include <optional>
#include <vector>

namespace tav {

class TPortableProfileFile final : public TProfileFile {
public:
    // Parses the text of a profile file.
    explicit TPortableProfileFile(std::string_view text);
    // Reads the file at `path`; a missing or unreadable file gives an empty profile.
    static std::unique_ptr<TProfileFile> Open(const std::string& path);

    std::string ReadString(std::string_view section, std::string_view key) const override;

private:
    struct Entry {
        std::string key;
        std::optional<std::string> value; // none for a line without "="
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    std::vector<Section> sections_; // the first holds the lines before any section line
};

} // namespace tav
