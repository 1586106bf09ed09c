#include "components/ini/BufferedIniFile.h"

#include "components/TempPath.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tav;
using tav::test::ReadBytes;
using tav::test::TempPath;
using tav::test::WriteBytes;

namespace {

std::unique_ptr<TBufferedIniFileEx> FromText(const std::string& text) {
    auto ini = std::make_unique<TBufferedIniFileEx>();
    ini->LoadFromText(text);
    ini->SetModified(false);
    return ini;
}

} // namespace

TEST(BufferedIniFile, KeepsLongLinesWhole) {
    const std::string action(600, 'x');
    std::string code;
    for (int i = 0; i < 1001; ++i) {
        if (i > 0)
            code += ',';
        code += std::to_string(i);
    }
    TempPath file;
    WriteBytes(file.str(), "[S]\r\nA=" + action + "\r\nCode=" + code + "\r\n");
    {
        TBufferedIniFileEx ini(file.str());
        EXPECT_EQ(ini.ReadString("S", "A", ""), action);
        EXPECT_EQ(ini.ReadString("S", "Code", ""), code);
        ini.WriteString("S", "B", action + "y");
        ini.UpdateFile();
    }
    TBufferedIniFileEx again(file.str());
    EXPECT_EQ(again.ReadString("S", "B", ""), action + "y");
    EXPECT_EQ(again.ReadString("S", "Code", ""), code);
}

TEST(BufferedIniFile, LineStructure) {
    auto ini_owner = FromText("orphan=1\n[A]\r\nk=v\r\n\r\n[B]\nx=1\ny=2\n\x1A\n");
    auto& ini = *ini_owner;
    IniLines names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (IniLines{"A", "B"}));
    EXPECT_EQ(ini.ReadString("A", "orphan", "none"), "none");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "v"); // CR LF taken off
    IniLines values;
    ini.ReadSectionValues("B", values);
    EXPECT_EQ(values, (IniLines{"x=1", "y=2"})); // the Ctrl-Z line is no line

    // A name is taken with its blanks; "[" without "]" is a key line.
    auto odd_owner = FromText("[ Sp ]\n[half\n[]\nz=3\n");
    auto& odd = *odd_owner;
    EXPECT_EQ(odd.ReadString(" Sp ", "[half", "-"), "-");
    IniLines keys;
    odd.ReadSection(" Sp ", keys);
    EXPECT_EQ(keys, (IniLines{""})); // "[half" has no "=" and so no key
    EXPECT_EQ(odd.ReadString("", "z", ""), "3");
}

// A file is read piece by piece; the lines on either side of a border between pieces, and one
// across it, must come out as the whole text gives them.
TEST(BufferedIniFile, AFileReadsAsItsWholeTextDoes) {
    const std::size_t piece = 64 * 1024;
    std::string text = "[S]\r\n";
    // A line whose end `end` starts at `at`.
    const auto lineEndingAt = [&text](std::size_t at, const char* end) {
        text += "p=" + std::string(at - text.size() - 2, 'x') + end;
    };
    lineEndingAt(piece - 1, "\r\n");                      // CR and LF in two pieces
    lineEndingAt(2 * piece - 1, "\r");                    // a CR alone ends the piece
    text += "[T]\nk=" + std::string(piece, 'y') + "\r\n"; // across a whole piece
    const char* const ends[] = {"\n", "\r", "\r\n"};
    for (int i = 0; i < 3000; ++i)
        text.append("k")
            .append(std::to_string(i))
            .append("=")
            .append(static_cast<std::size_t>(i % 41), 'v')
            .append(ends[i % 3]);
    text += "last=no end";
    TempPath file;
    WriteBytes(file.str(), text);
    TBufferedIniFile fromFile(file.str());
    TBufferedIniFile fromText;
    fromText.LoadFromText(text);
    IniLines fileLines;
    IniLines textLines;
    fromFile.ReadAll(fileLines);
    fromText.ReadAll(textLines);
    // Besides the numbered keys: two section names, an empty line after each, p twice, k, last.
    EXPECT_EQ(fileLines.size(), 3000u + 8u);
    EXPECT_TRUE(fileLines == textLines);
    EXPECT_EQ(fromFile.ReadString("T", "last", ""), "no end");
}

TEST(BufferedIniFile, EveryKindOfLineEndAndNoEmptyKey) {
    // CR alone, LF alone and CR LF each end a line; CR LF is one end, not two.
    auto ini = FromText("[A]\rk=1\rj=2\n[B]\r\nm=3\r\r\nn=4");
    EXPECT_EQ(ini->ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini->ReadString("A", "j", ""), "2");
    IniLines values;
    ini->ReadSectionValues("B", values);
    EXPECT_EQ(values, (IniLines{"m=3", "n=4"}));

    // Lines without a key text: an empty key is no name for them.
    auto keyless = FromText("[S]\nno equals\n=5\n");
    EXPECT_EQ(keyless->ReadString("S", "", "none"), "none");
    EXPECT_EQ(keyless->ReadInteger("S", "", -1), -1);
    keyless->DeleteKey("S", "");
    EXPECT_FALSE(keyless->Modified());
}

TEST(BufferedIniFile, ValuesAndDefaults) {
    auto ini_owner = FromText("[S]\nempty=\n a = b \nnum=0X10\ndup=first\ndup=second\nx=y=z\n");
    auto& ini = *ini_owner;
    EXPECT_EQ(ini.ReadString("S", "x", ""), "y=z");
    EXPECT_EQ(ini.ReadString("S", "x=y", "absent"), "absent"); // a key ends at the first "="
    EXPECT_EQ(ini.ReadString("S", "empty", "def"), "");
    EXPECT_EQ(ini.ReadInteger("S", "empty", 7), 7);
    EXPECT_EQ(ini.ReadString("S", " a ", ""), " b ");
    EXPECT_EQ(ini.ReadString("S", "a", "absent"), "absent");
    EXPECT_EQ(ini.ReadInteger("S", "num", 0), 16);
    EXPECT_EQ(ini.ReadString("S", "dup", ""), "first");
    EXPECT_EQ(ini.ReadString("Missing", "dup", "d"), "d");
    EXPECT_TRUE(ini.ReadBool("S", "num", false));
    EXPECT_TRUE(ini.ReadBool("S", "absent", true));
    EXPECT_FALSE(ini.ReadBool("S", "empty", false));
}

// Native and Windows builds must read stored numbers and fold names identically.
TEST(BufferedIniFile, NumberGrammarAndCaseFolding) {
    auto ini_owner = FromText("[\xC9t\xE9]\nA=31\nB=0x1F\nC=$1f\nD= -5\nE=5 \nF=2147483648\n"
                              "G=0xFFFFFFFF\nH=1e3\nI=0x\nJ=-2147483648\n\xFF=y\n");
    auto& ini = *ini_owner;
    EXPECT_EQ(ini.ReadInteger("\xC9T\xC9", "a", 0), 31);
    EXPECT_EQ(ini.ReadInteger("\xE9T\xE9", "B", 0), 31);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "C", 0), 31);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "D", 0), -5);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "E", 9), 9);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "F", 9), 9);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "G", 9), -1);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "H", 9), 9);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "I", 9), 9);
    EXPECT_EQ(ini.ReadInteger("\xC9t\xE9", "J", 9), INT32_MIN);
    EXPECT_EQ(ini.ReadString("\xC9t\xE9", "\x9F", ""), "y"); // y diaeresis folds to its capital
    EXPECT_EQ(ini.ReadString("\xC9t\xE9", "\xDF", "-"), "-");
}

TEST(BufferedIniFile, HexIntegers) {
    auto ini_owner = FromText("[S]\nh=1f\nfull=FFFFFFFE\nempty=\nprefixed=0x1F\nbad=G1\n");
    auto& ini = *ini_owner;
    EXPECT_EQ(ini.ReadHexInteger("S", "h", 0), 31);
    EXPECT_EQ(ini.ReadHexInteger("S", "full", 0), -2);
    EXPECT_EQ(ini.ReadHexInteger("S", "absent", -7), -7);
    EXPECT_THROW(ini.ReadHexInteger("S", "empty", 0), EIniConvertError);
    EXPECT_THROW(ini.ReadHexInteger("S", "prefixed", 0), EIniConvertError);
    EXPECT_THROW(ini.ReadHexInteger("S", "bad", 0), EIniConvertError);
    ini.WriteHexInteger("S", "w", -1);
    ini.WriteHexInteger("S", "x", 0x1A);
    EXPECT_EQ(ini.ReadString("S", "w", ""), "FFFFFFFF");
    EXPECT_EQ(ini.ReadString("S", "x", ""), "0000001A");
}

TEST(BufferedIniFile, DuplicateSections) {
    auto ini_owner = FromText("[Alpha]\na=1\n[Beta]\nb=1\n[ALPHA]\na=2\nc=3\n");
    auto& ini = *ini_owner;
    EXPECT_EQ(ini.ReadString("alpha", "a", ""), "1");
    EXPECT_EQ(ini.ReadString("alpha", "c", "none"), "none");
    EXPECT_EQ(ini.Sections().Count(), 2);

    std::vector<std::string> seen;
    TBufferedIniFile chooser;
    chooser.DuplicateSectionChoice = [&](const std::string& name, IniLines& earlier,
                                         IniLines& later) {
        seen.push_back(name + ":" + earlier.front() + ":" + later.front());
        return false; // keep the later one
    };
    chooser.LoadFromText("[K]\nv=1\n[k]\nv=2\n[X]\n[K]\nv=3\n");
    EXPECT_TRUE(chooser.Modified());
    EXPECT_EQ(seen, (std::vector<std::string>{"K:v=1:v=2", "k:v=2:v=3"}));
    EXPECT_EQ(chooser.ReadString("K", "v", ""), "3");
    IniLines names;
    chooser.ReadSections(names);
    EXPECT_EQ(names, (IniLines{"X", "K"}));
}

TEST(BufferedIniFile, LoadingAddsToPresentSections) {
    TempPath file;
    WriteBytes(file.str(), "[A]\na=1\n[A]\na=2\n");
    TBufferedIniFile ini(file.str());
    EXPECT_FALSE(ini.Modified()); // removing the duplicate on open is no change
    ini.LoadFromText("[B]\nb=1\n[a]\na=3\n");
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.ReadString("A", "a", ""), "1");
    EXPECT_EQ(ini.ReadString("B", "b", ""), "1");
}

TEST(BufferedIniFile, LineOptions) {
    const std::string text = "; note\n[S]\n; in\nkey \t= \t'val'\nq=\"x\"\nmixed=\"x'\nnoeq\n"
                             "tail=v \t\x01\n=\"\"\n";
    auto plain_owner = FromText(text);
    auto& plain = *plain_owner;
    EXPECT_EQ(plain.ReadString("S", "key \t", ""), " \t'val'");
    EXPECT_EQ(plain.ReadString("S", "q", ""), "\"x\"");
    EXPECT_EQ(plain.ReadString("S", "; in", "-"), "-");
    IniLines lines;
    plain.ReadSectionValues("S", lines);
    EXPECT_EQ(lines.size(), 7u);

    TBufferedIniFile opts;
    opts.SkipCommentLines = true;
    opts.DropLinesWithoutEquals = true;
    opts.TrimAroundEquals = true;
    opts.StripQuotes = true;
    opts.CutLineEnds = true;
    opts.LoadFromText(text);
    lines.clear();
    opts.ReadSectionValues("S", lines);
    EXPECT_EQ(lines, (IniLines{"key=val", "q=x", "mixed=\"x'", "tail=v", "=\"\""}));
}

TEST(BufferedIniFile, ModifiedAndWriteBack) {
    TempPath file;
    WriteBytes(file.str(), "[S]\nk=v\n[Empty]\n");
    {
        TBufferedIniFile ini(file.str());
        ini.WriteString("S", "k", "v");
        EXPECT_FALSE(ini.Modified()); // same text
        WriteBytes(file.str(), "changed outside");
    } // freeing an unmodified reader leaves the file alone
    EXPECT_EQ(ReadBytes(file.str()), "changed outside");

    WriteBytes(file.str(), "[S]\nk=v\n[Empty]\n");
    {
        TBufferedIniFile ini(file.str());
        ini.WriteString("S", "K", "v"); // the line differs in letter case
        EXPECT_TRUE(ini.Modified());
        ini.WriteInteger("New", "n", -3);
        ini.WriteBool("New", "b", true);
    }
    EXPECT_EQ(ReadBytes(file.str()), "[S]\r\nK=v\r\n\r\n[New]\r\nn=-3\r\nb=1\r\n\r\n");

    TBufferedIniFile ini(file.str());
    ini.WriteString("", "", "");
    EXPECT_FALSE(ini.Modified());
    ini.DeleteKey("S", "absent");
    EXPECT_FALSE(ini.Modified());
    ini.DeleteKey("S", "k");
    EXPECT_TRUE(ini.Modified());
    ini.WriteString("New", "", "x"); // empty key erases the section
    ini.UpdateFile();
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ReadBytes(file.str()), "");
}

TEST(BufferedIniFile, SectionsAndKeysAfterEdits) {
    std::string text = "[One]\na=1\n[Two]\n";
    for (int i = 0; i < 40; ++i)
        text.append("k")
            .append(std::to_string(i % 20))
            .append("=")
            .append(std::to_string(i))
            .append("\n");
    text += "[Three]\nc=3\n";
    auto ini_owner = FromText(text);
    auto& ini = *ini_owner;
    // Lookups in any order, also backwards from the current section.
    EXPECT_EQ(ini.ReadString("Three", "c", ""), "3");
    EXPECT_EQ(ini.ReadString("One", "a", ""), "1");
    EXPECT_EQ(ini.ReadString("Two", "K5", ""), "5"); // the first of two lines of one key
    ini.DeleteKey("Two", "k5");
    EXPECT_EQ(ini.ReadString("Two", "k5", ""), "25");
    ini.WriteString("Two", "k5", "new");
    EXPECT_EQ(ini.ReadString("Two", "k5", ""), "new");
    ini.WriteString("Two", "fresh", "f");
    EXPECT_EQ(ini.ReadString("Two", "fresh", ""), "f");

    ini.EraseSection("ONE");
    EXPECT_FALSE(ini.SectionExists("One"));
    EXPECT_EQ(ini.ReadString("Three", "c", ""), "3");
    ini.WriteString("Four", "d", "4");
    IniLines names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (IniLines{"Two", "Three", "Four"}));
    EXPECT_EQ(ini.Sections().IndexOf("four"), 2);

    IniLines all;
    ini.ReadAll(all);
    EXPECT_EQ(all.front(), "[Two]");
    EXPECT_EQ(all.back(), "");
    EXPECT_EQ(all[all.size() - 3], "[Four]");
}

TEST(BufferedIniFile, FileErrors) {
    TBufferedIniFile missing("/nonexistent-tavrilo-dir/none.ini");
    EXPECT_EQ(missing.Sections().Count(), 0);
    missing.WriteString("S", "k", "v");
    EXPECT_THROW(missing.UpdateFile(), EIniFileError);
    EXPECT_TRUE(missing.Modified());
}

// A device or a pipe could keep the reader waiting for ever; a folder has no lines.
TEST(BufferedIniFile, OnlyARegularFileIsRead) {
    TempPath folder(".dir");
    std::filesystem::create_directory(folder.str());
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    for (const std::string& path : {folder.str(), device}) {
        try {
            TBufferedIniFile(path).Sections();
            ADD_FAILURE() << path << " was read";
        } catch (const EIniFileError& e) {
            EXPECT_EQ(e.Error().Text(), "Not a file \"" + path + "\"");
        }
    }
    std::filesystem::remove(folder.str());
}
