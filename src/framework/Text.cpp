#include "framework/Text.h"

#include <algorithm>
#include <limits>

namespace tav {

namespace {

unsigned char AnsiUpperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A; // s caron
    case 0x9C:
        return 0x8C; // oe
    case 0x9E:
        return 0x8E; // z caron
    case 0xFF:
        return 0x9F; // y diaeresis
    default:
        return c;
    }
}

unsigned char AnsiLowerChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string AnsiUpperCase(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        ch = static_cast<char>(AnsiUpperChar(static_cast<unsigned char>(ch)));
    return out;
}

std::string AnsiLowerCase(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        ch = static_cast<char>(AnsiLowerChar(static_cast<unsigned char>(ch)));
    return out;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = AnsiUpperChar(static_cast<unsigned char>(a[i]));
        const int cb = AnsiUpperChar(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && AnsiCompareText(a, b) == 0;
}

namespace {
bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsTrimmed(s[i]))
        ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsTrimmed(s[n - 1]))
        --n;
    return std::string(s.substr(0, n));
}

} // namespace

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

namespace {

std::optional<std::uint32_t> ParseHexDigits(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    std::uint64_t v = 0;
    for (char c : s) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        v = v * 16 + static_cast<std::uint64_t>(d);
        if (v > 0xFFFFFFFFull)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(v);
}
} // namespace

std::optional<std::int32_t> TryHexToInt(std::string_view s) {
    const auto v = ParseHexDigits(s);
    if (!v)
        return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int32_t> TryStrToInt(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string_view rest = s.substr(i);
    if (rest.empty())
        return std::nullopt;
    std::string_view hex;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')
        hex = rest.substr(1);
    else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        hex = rest.substr(2);
    if (hex.data() != nullptr) {
        const auto v = ParseHexDigits(hex);
        if (!v)
            return std::nullopt;
        const std::uint32_t u = negative ? 0u - *v : *v;
        return static_cast<std::int32_t>(u);
    }
    std::int64_t v = 0;
    for (char c : rest) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > 0x80000000ll)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max() ||
        v < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::int32_t StrToIntDef(std::string_view s, std::int32_t fallback) {
    const auto v = TryStrToInt(s);
    return v ? *v : fallback;
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::int32_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::uint32_t u = static_cast<std::uint32_t>(value);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[u & 0xF]);
        u >>= 4;
    } while (u != 0);
    while (static_cast<int>(out.size()) < digits)
        out.insert(out.begin(), '0');
    return out;
}

std::string_view CutTextLine(std::string_view& rest) {
    // A plain loop: a search for either of two characters calls a library search per character.
    std::size_t end = 0;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
        ++end;
    if (end == rest.size()) {
        const std::string_view line = rest;
        rest = {};
        return line;
    }
    const std::string_view line = rest.substr(0, end);
    std::size_t next = end + 1;
    if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n')
        ++next;
    rest.remove_prefix(next);
    return line;
}

std::vector<std::string> SplitString(std::string_view s, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = s.find(separator, start);
        if (pos == std::string_view::npos) {
            parts.emplace_back(s.substr(start));
            return parts;
        }
        parts.emplace_back(s.substr(start, pos - start));
        start = pos + separator.size();
    }
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(s);
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t pos = s.find(from, start);
        if (pos == std::string_view::npos) {
            out.append(s.substr(start));
            return out;
        }
        out.append(s.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
}

char CaptionMnemonic(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return AnsiLowerCase(caption.substr(i + 1, 1))[0];
        ++i;
    }
    return 0;
}

std::string StripMenuCaption(std::string_view caption) {
    std::string text(caption);
    if (const std::size_t amp = text.find('&'); amp != std::string::npos)
        text.erase(amp, 1);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return text;
    return text.substr(0, std::min(colon, text.find('.')));
}

} // namespace tav
