#include "components/ini/PackedLines.h"

namespace tav {

namespace {

// A length in groups of seven bits, lowest first; a set high bit says another group follows.
void AppendLength(std::string& bytes, std::size_t length) {
    while (length >= 0x80) {
        bytes.push_back(static_cast<char>(0x80 | (length & 0x7F)));
        length >>= 7;
    }
    bytes.push_back(static_cast<char>(length));
}

std::string Packed(std::string_view line) {
    std::string bytes;
    AppendLength(bytes, line.size());
    bytes.append(line);
    return bytes;
}

} // namespace

TPackedLines::TPackedLines(const IniLines& lines) {
    for (const std::string& line : lines)
        Append(line);
}

void TPackedLines::Clear() {
    bytes_.clear();
    count_ = 0;
}

std::size_t TPackedLines::Append(std::string_view line) {
    const std::size_t start = bytes_.size();
    AppendLength(bytes_, line.size());
    bytes_.append(line);
    ++count_;
    return start;
}

std::string_view TPackedLines::Next(std::size_t& at) const {
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto group = static_cast<unsigned char>(bytes_[at++]);
        length |= static_cast<std::size_t>(group & 0x7F) << shift;
        if (group < 0x80)
            break;
    }
    const std::string_view line(bytes_.data() + at, length);
    at += length;
    return line;
}

std::size_t TPackedLines::StartOf(int index) const {
    std::size_t at = 0;
    for (int i = 0; i < index; ++i)
        Next(at);
    return at;
}

void TPackedLines::Replace(int index, std::string_view line) {
    const std::size_t start = StartOf(index);
    std::size_t end = start;
    Next(end);
    bytes_.replace(start, end - start, Packed(line));
}

void TPackedLines::Erase(int index) {
    const std::size_t start = StartOf(index);
    std::size_t end = start;
    Next(end);
    bytes_.erase(start, end - start);
    --count_;
}

IniLines TPackedLines::Unpacked() const {
    IniLines lines;
    lines.reserve(static_cast<std::size_t>(count_));
    FindIf([&lines](int, std::string_view line, std::size_t) {
        lines.emplace_back(line);
        return false;
    });
    return lines;
}

} // namespace tav
