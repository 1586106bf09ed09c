// Feeds arbitrary bytes to the INI reader with every combination of line options, reads and
// edits the result, and checks that writing the content out and reading it again gives it back.
#include "components/ini/BufferedIniFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

using tav::IniLines;
using tav::TBufferedIniFileEx;

namespace {

std::string Join(const IniLines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned options = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    TBufferedIniFileEx ini;
    ini.SkipCommentLines = options & 1;
    ini.DropLinesWithoutEquals = options & 2;
    ini.TrimAroundEquals = options & 4;
    ini.StripQuotes = options & 8;
    ini.CutLineEnds = options & 16;
    if (options & 32)
        ini.DuplicateSectionChoice = [](const std::string&, IniLines& earlier, IniLines& later) {
            return earlier.size() >= later.size();
        };
    ini.LoadFromText(text);

    IniLines names;
    ini.ReadSections(names);
    for (const std::string& name : names) {
        IniLines keys;
        ini.ReadSection(name, keys);
        for (const std::string& key : keys) {
            ini.ReadString(name, key, "");
            ini.ReadInteger(name, key, 0);
            try {
                ini.ReadHexInteger(name, key, 0);
            } catch (const tav::EIniConvertError&) {
            }
        }
    }

    if ((options & 0x1F) == 0) {
        // Without line options the written form reads back to the same content.
        IniLines all;
        ini.ReadAll(all);
        TBufferedIniFileEx again;
        again.LoadFromText(Join(all));
        IniLines allAgain;
        again.ReadAll(allAgain);
        if (allAgain != all)
            __builtin_trap();
    }

    if (!names.empty()) {
        const std::string& first = names.front();
        ini.WriteString(first, "fuzz", text.substr(0, 64));
        if (ini.ReadString(first, "fuzz", "-") != text.substr(0, 64))
            __builtin_trap();
        ini.DeleteKey(first, "fuzz");
        ini.EraseSection(names.back());
        if (names.size() == 1 && ini.SectionExists(first))
            __builtin_trap();
    }
    return 0;
}
