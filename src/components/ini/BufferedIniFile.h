#pragma once
// An INI file held whole in memory: sections of raw lines, read and written by key without
// touching the disk until the content is written back. Lines are kept whole, however long, and
// may end in LF, CR LF or CR alone.

#include "components/ini/SectionList.h"
#include "framework/FileError.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tav {

// The program's words in the read errors; translations look them up by these texts.
inline constexpr const char* kCannotOpenFileText = "Cannot open file";
inline constexpr const char* kCannotReadFileText = "Cannot read file";
// A folder, a device or a pipe is never read as an INI file.
inline constexpr const char* kNotAFileText = "Not a file";

// The file could not be read or written; the error names the file and the system's reason.
class EIniFileError : public std::runtime_error {
public:
    explicit EIniFileError(TFileError error)
        : std::runtime_error(error.Text()), error_(std::move(error)) {}
    const TFileError& Error() const { return error_; }

private:
    TFileError error_;
};

// A stored value is not a number of the asked form.
class EIniConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Takes the lines of a text one by one, without their ends.
using IniLineSink = std::function<void(std::string_view line)>;

class TBufferedIniFile {
public:
    explicit TBufferedIniFile(const std::string& fileName = {});
    // Writes pending changes back; an error at this point cannot be reported and is dropped,
    // so callers that care call UpdateFile themselves first.
    virtual ~TBufferedIniFile();
    TBufferedIniFile(const TBufferedIniFile&) = delete;
    TBufferedIniFile& operator=(const TBufferedIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    // Writes the previous file back when modified, then loads the named one (if any).
    void SetFileName(const std::string& fileName);

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    TSectionList& Sections() { return sections_; }
    const TSectionList& Sections() const { return sections_; }

    DuplicateSectionHandler DuplicateSectionChoice;
    int LoadBufferSize = 0x7000;
    bool SkipCommentLines = false;
    bool DropLinesWithoutEquals = false;
    bool TrimAroundEquals = false;
    bool StripQuotes = false;
    bool CutLineEnds = false;

    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view fallback);
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value);
    virtual std::int32_t ReadInteger(std::string_view section, std::string_view key,
                                     std::int32_t fallback);
    virtual void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    virtual bool ReadBool(std::string_view section, std::string_view key, bool fallback);
    virtual void WriteBool(std::string_view section, std::string_view key, bool value);
    // Appends the key of every line of the section (empty for a line without "=").
    virtual void ReadSection(std::string_view section, IniLines& strings);
    // Replaces `strings` by the section names in file order.
    virtual void ReadSections(IniLines& strings);
    virtual void ReadSectionValues(std::string_view section, IniLines& strings);
    virtual void EraseSection(std::string_view section);
    virtual bool SectionExists(std::string_view section);
    // The number of lines of the section; 0 when it is absent.
    int LineCount(std::string_view section);
    virtual void DeleteKey(std::string_view section, std::string_view key);
    // Appends "[name]", the lines and an empty line for every section that has lines.
    virtual void ReadAll(IniLines& strings);
    virtual void UpdateFile();
    // Adds the file's sections after those present; a missing file adds nothing.
    virtual void LoadFromFile(const std::string& fileName);
    // LoadFromFile, telling whether the file exists. Throws EIniFileError when it exists but
    // cannot be read; it then adds nothing.
    bool LoadFile(const std::string& fileName);
    // Adds the sections of INI text held in memory, as LoadFromFile does for a file.
    void LoadFromText(std::string_view text);

protected:
    // Index of the section, searching from the current one and wrapping; -1 when absent.
    int FindSection(std::string_view section);
    int FindOrAddSection(std::string_view section);
    std::optional<std::string_view> FindValueLine(std::string_view section, std::string_view key);

private:
    void ClearSections();
    // Adds the sections of the lines that `readLines` hands to the function it is given.
    void Load(const std::function<void(const IniLineSink&)>& readLines);
    // Appends a key line of a section being loaded, as the line options make it, if they keep it.
    // `line` is room to work in.
    void AddKeyLine(std::string_view text, std::string& line, TPackedLines& lines) const;

    std::string fileName_;
    TSectionList sections_;
    int currentSection_ = 0;
    bool modified_ = false;
};

class TBufferedIniFileEx : public TBufferedIniFile {
public:
    using TBufferedIniFile::TBufferedIniFile;

    // The value as hexadecimal digits; `fallback` when the key is absent. An empty or
    // non-hexadecimal value throws EIniConvertError.
    virtual std::int32_t ReadHexInteger(std::string_view section, std::string_view key,
                                        std::int32_t fallback);
    // Writes exactly eight upper-case digits (two's complement for negatives).
    virtual void WriteHexInteger(std::string_view section, std::string_view key,
                                 std::int32_t value);
};

} // namespace tav
