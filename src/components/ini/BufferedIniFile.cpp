#include "components/ini/BufferedIniFile.h"

#include "framework/PlatformFiles.h"
#include "framework/SafeFileReplace.h"
#include "framework/Text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

namespace tav {

namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// Gives the stream a buffer of `size` bytes, or none for 0; must run before the file opens.
std::unique_ptr<char[]> SetStreamBuffer(std::filebuf& buf, int size) {
    std::unique_ptr<char[]> storage;
    if (size > 0) {
        storage = std::make_unique<char[]>(static_cast<std::size_t>(size));
        buf.pubsetbuf(storage.get(), size);
    } else {
        buf.pubsetbuf(nullptr, 0);
    }
    return storage;
}

// Reads a file through a buffer of `bufferSize` bytes (0: none) and hands over each of its
// lines, without its end, as soon as it is whole, so that no copy of the whole file is ever
// made; false when the file does not exist. Throws EIniFileError when it exists but cannot be
// read, or is no regular file (a device or a pipe could keep the reader waiting for ever).
bool ReadIniFileLines(const std::string& fileName, int bufferSize, const IniLineSink& take) {
    switch (FileKindOf(fileName)) {
    case TFileKind::Missing:
        return false;
    case TFileKind::Folder:
    case TFileKind::Other:
        throw EIniFileError({kNotAFileText, fileName, {}});
    case TFileKind::File:
        break;
    }
    std::ifstream in;
    const auto storage = SetStreamBuffer(*in.rdbuf(), bufferSize);
    errno = 0;
    in.open(fileName, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        if (errno == ENOENT)
            return false;
        throw EIniFileError({kCannotOpenFileText, fileName, std::strerror(errno)});
    }
    std::vector<char> chunk(64 * 1024);
    std::string carry;    // the start of a line that goes on in the next piece
    bool afterCR = false; // the last piece ended in a CR, which an LF may still follow
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        std::string_view piece(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (afterCR && piece.front() == '\n')
            piece.remove_prefix(1);
        afterCR = false;
        while (!piece.empty()) {
            std::string_view rest = piece;
            const std::string_view line = CutTextLine(rest);
            if (line.size() == piece.size()) {
                carry.append(line);
                break;
            }
            afterCR = line.size() + 1 == piece.size() && piece.back() == '\r';
            if (carry.empty()) {
                take(line);
            } else {
                carry.append(line);
                take(carry);
                carry.clear();
            }
            piece = rest;
        }
    }
    if (in.bad())
        throw EIniFileError({kCannotReadFileText, fileName, {}});
    if (!carry.empty())
        take(carry);
    return true;
}

} // namespace

TBufferedIniFile::TBufferedIniFile(const std::string& fileName) {
    SetFileName(fileName);
}

TBufferedIniFile::~TBufferedIniFile() {
    try {
        UpdateFile();
    } catch (const std::exception&) {
        // Nothing can report it from here; see the declaration.
    }
}

void TBufferedIniFile::SetFileName(const std::string& fileName) {
    UpdateFile();
    ClearSections();
    fileName_ = fileName;
    if (!fileName_.empty())
        LoadFromFile(fileName_);
    modified_ = false;
}

void TBufferedIniFile::ClearSections() {
    sections_.Clear();
    currentSection_ = 0;
}

void TBufferedIniFile::LoadFromFile(const std::string& fileName) {
    LoadFile(fileName);
}

bool TBufferedIniFile::LoadFile(const std::string& fileName) {
    bool present = false;
    Load([&](const IniLineSink& take) {
        present = ReadIniFileLines(fileName, LoadBufferSize, take);
    });
    return present;
}

void TBufferedIniFile::LoadFromText(std::string_view text) {
    Load([&](const IniLineSink& take) {
        while (!text.empty())
            take(CutTextLine(text));
    });
}

void TBufferedIniFile::Load(const std::function<void(const IniLineSink&)>& readLines) {
    currentSection_ = 0;
    // A section joins the list when its last line has been read, its lines packed at their
    // exact size: no section's storage grows line by line.
    std::optional<std::string> name; // of the section being read; none before the first
    TPackedLines lines;
    std::string scratch; // for the line options
    const auto addSection = [&] {
        if (name)
            sections_.Add(std::move(*name), lines);
        lines.Clear();
    };
    const int present = sections_.Count();
    try {
        readLines([&](std::string_view line) {
            if (line.empty() || line == "\x1A" || (SkipCommentLines && line[0] == ';'))
                return;
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
                addSection();
                name = std::string(line.substr(1, line.size() - 2));
            } else if (name) { // key lines before the first section belong to none
                AddKeyLine(line, scratch, lines);
            }
        });
    } catch (...) {
        // A file that fails half-way through adds nothing, as one that cannot be opened.
        while (sections_.Count() > present)
            sections_.Delete(sections_.Count() - 1);
        throw;
    }
    addSection();
    if (sections_.EraseDuplicates(DuplicateSectionChoice))
        modified_ = true;
}

void TBufferedIniFile::AddKeyLine(std::string_view text, std::string& line,
                                  TPackedLines& lines) const {
    line.assign(text);
    if (TrimAroundEquals) {
        auto eq = line.find('=');
        while (eq != std::string::npos && eq >= 1 && IsBlankOrTab(line[eq - 1])) {
            line.erase(eq - 1, 1);
            --eq;
        }
        while (eq != std::string::npos && eq + 1 < line.size() && IsBlankOrTab(line[eq + 1]))
            line.erase(eq + 1, 1);
    }
    if (StripQuotes) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && eq >= 1 && line.size() - eq - 1 >= 2) {
            const char q = line[eq + 1];
            if ((q == '"' || q == '\'') && line.back() == q) {
                line.pop_back();
                line.erase(eq + 1, 1);
            }
        }
    }
    if (CutLineEnds) {
        while (!line.empty() && static_cast<unsigned char>(line.back()) < '!')
            line.pop_back();
    }
    if (DropLinesWithoutEquals && line.find('=') == std::string::npos)
        return;
    lines.Append(line);
}

int TBufferedIniFile::FindSection(std::string_view section) {
    // Keys are mostly read section by section in file order: the section asked for is nearly
    // always the current one or the next.
    for (const int i : {currentSection_, currentSection_ + 1}) {
        if (i < sections_.Count() && SameFoldedText(sections_.Name(i), section)) {
            currentSection_ = i;
            return i;
        }
    }
    const int hit = sections_.FindFrom(section, currentSection_);
    if (hit >= 0)
        currentSection_ = hit;
    return hit;
}

int TBufferedIniFile::FindOrAddSection(std::string_view section) {
    int hit = FindSection(section);
    if (hit < 0) {
        hit = sections_.Add(std::string(section));
        currentSection_ = hit;
    }
    return hit;
}

std::optional<std::string_view> TBufferedIniFile::FindValueLine(std::string_view section,
                                                                std::string_view key) {
    const int s = FindSection(section);
    if (s < 0)
        return std::nullopt;
    const auto line = sections_.FindKey(s, key);
    return line.index < 0 ? std::nullopt : std::optional(line.text);
}

std::string TBufferedIniFile::ReadString(std::string_view section, std::string_view key,
                                         std::string_view fallback) {
    const auto line = FindValueLine(section, key);
    return std::string(line ? IniLineValue(*line) : fallback);
}

void TBufferedIniFile::WriteString(std::string_view section, std::string_view key,
                                   std::string_view value) {
    if (key.empty()) {
        if (!section.empty() || !value.empty())
            EraseSection(section);
        else
            UpdateFile();
        return;
    }
    std::string text = std::string(key) + "=" + std::string(value);
    const int s = FindOrAddSection(section);
    const auto line = sections_.FindKey(s, key);
    if (line.index < 0) {
        sections_.AppendLine(s, text);
        modified_ = true;
    } else if (line.text != text) {
        sections_.ReplaceLine(s, line.index, text);
        modified_ = true;
    }
}

std::int32_t TBufferedIniFile::ReadInteger(std::string_view section, std::string_view key,
                                           std::int32_t fallback) {
    const auto line = FindValueLine(section, key);
    return line ? StrToIntDef(IniLineValue(*line), fallback) : fallback;
}

void TBufferedIniFile::WriteInteger(std::string_view section, std::string_view key,
                                    std::int32_t value) {
    WriteString(section, key, IntToStr(value));
}

bool TBufferedIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TBufferedIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TBufferedIniFile::ReadSection(std::string_view section, IniLines& strings) {
    const int s = FindSection(section);
    if (s < 0)
        return;
    for (const std::string& line : sections_.SectionItems(s))
        strings.emplace_back(IniLineKey(line));
}

void TBufferedIniFile::ReadSections(IniLines& strings) {
    strings.clear();
    for (int i = 0; i < sections_.Count(); ++i)
        strings.push_back(sections_.Name(i));
}

void TBufferedIniFile::ReadSectionValues(std::string_view section, IniLines& strings) {
    const int s = FindSection(section);
    if (s < 0)
        return;
    const IniLines lines = sections_.SectionItems(s);
    strings.insert(strings.end(), lines.begin(), lines.end());
}

void TBufferedIniFile::EraseSection(std::string_view section) {
    const int s = sections_.IndexOf(section);
    if (s < 0)
        return;
    sections_.Delete(s);
    sections_.ResetRememberedIndex();
    if (currentSection_ >= sections_.Count())
        currentSection_ = 0;
    modified_ = true;
}

int TBufferedIniFile::LineCount(std::string_view section) {
    const int s = FindSection(section);
    return s < 0 ? 0 : sections_.LineCount(s);
}

bool TBufferedIniFile::SectionExists(std::string_view section) {
    return FindSection(section) >= 0;
}

void TBufferedIniFile::DeleteKey(std::string_view section, std::string_view key) {
    const int s = FindOrAddSection(section);
    const int line = sections_.FindKey(s, key).index;
    if (line < 0)
        return;
    sections_.DeleteLine(s, line);
    modified_ = true;
}

void TBufferedIniFile::ReadAll(IniLines& strings) {
    for (int i = 0; i < sections_.Count(); ++i) {
        if (sections_.LineCount(i) == 0)
            continue;
        const IniLines lines = sections_.SectionItems(i);
        strings.push_back("[" + sections_.Name(i) + "]");
        strings.insert(strings.end(), lines.begin(), lines.end());
        strings.emplace_back();
    }
}

void TBufferedIniFile::UpdateFile() {
    if (!modified_ || fileName_.empty()) {
        modified_ = false;
        return;
    }
    IniLines all;
    ReadAll(all);
    std::string text;
    for (const std::string& line : all) {
        text += line;
        text += "\r\n";
    }
    if (auto error = ReplaceFileSafely(fileName_, text, TBackup::None))
        throw EIniFileError(std::move(*error));
    modified_ = false;
}

std::int32_t TBufferedIniFileEx::ReadHexInteger(std::string_view section, std::string_view key,
                                                std::int32_t fallback) {
    const auto line = FindValueLine(section, key);
    if (!line)
        return fallback;
    const std::string_view value = IniLineValue(*line);
    const auto parsed = TryHexToInt(value);
    if (!parsed)
        throw EIniConvertError("'" + std::string(value) + "' is not a valid hexadecimal value");
    return *parsed;
}

void TBufferedIniFileEx::WriteHexInteger(std::string_view section, std::string_view key,
                                         std::int32_t value) {
    WriteString(section, key, IntToHex(value, 8));
}

} // namespace tav
