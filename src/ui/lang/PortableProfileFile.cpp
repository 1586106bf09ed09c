#include "ui/lang/PortableProfileFile.h"

#include "framework/Text.h"

#include <fstream>
#include <iterator>

namespace tav {

namespace {

bool IsProfileBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == ' ' || c == '\x1A';
}

std::string_view TrimProfile(std::string_view s) {
    while (!s.empty() && IsProfileBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string UnquotedValue(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxProfileValueLength));
}

} // namespace

TPortableProfileFile::TPortableProfileFile(std::string_view text) {
    sections_.emplace_back();
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::string_view line = TrimProfile(CutTextLine(rest));
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                sections_.push_back({std::string(TrimProfile(line.substr(1, close - 1))), {}});
                continue;
            }
        }
        Entry entry;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            entry.key = std::string(line);
        } else {
            entry.key = std::string(TrimProfile(line.substr(0, eq)));
            entry.value = UnquotedValue(TrimProfile(line.substr(eq + 1)));
        }
        sections_.back().entries.push_back(std::move(entry));
    }
}

std::unique_ptr<TProfileFile> TPortableProfileFile::Open(const std::string& path) {
    std::string text;
    if (std::ifstream in{path, std::ios::binary})
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return std::make_unique<TPortableProfileFile>(text);
}

std::string TPortableProfileFile::ReadString(std::string_view section, std::string_view key) const {
    section = TrimProfile(section);
    key = TrimProfile(key);
    for (const Section& s : sections_) {
        if (!AnsiSameText(s.name, section))
            continue;
        for (const Entry& e : s.entries)
            if (AnsiSameText(e.key, key))
                return e.value.value_or(std::string());
        return {};
    }
    return {};
}

} // namespace tav
