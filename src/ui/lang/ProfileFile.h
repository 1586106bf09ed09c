#pragma once
// Reading of language files, which have the syntax of the platform's profile (INI) files.
// Two readers exist: a portable one that follows the platform's rules, and on Windows one that
// asks the platform itself; the translation component reaches either through TProfileOpener.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tav {

// The platform's reader returns at most this many characters of a value.
inline constexpr std::size_t kMaxProfileValueLength = 2047;

// One opened profile file. Section and key names compare without regard to letter case.
class TProfileFile {
public:
    virtual ~TProfileFile() = default;
    // The value of `key` in `section`; empty when the file, section or key is absent.
    virtual std::string ReadString(std::string_view section, std::string_view key) const = 0;
};

// Opens the profile file at `path` for reading. A file that cannot be read reads as empty.
using TProfileOpener = std::function<std::unique_ptr<TProfileFile>(const std::string& path)>;

} // namespace tav
