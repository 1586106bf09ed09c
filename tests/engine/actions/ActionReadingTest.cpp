#include "components/TempPath.h"
#include "engine/actions/ActionFakes.h"
#include "engine/actions/HexNumbers.h"
#include "engine/actions/MessageLists.h"
#include "engine/actions/MessageNames.h"
#include "engine/actions/ProgramFile.h"
#include "engine/actions/WindowLookup.h"

#include <gtest/gtest.h>

#include <map>

using namespace tav;

TEST(ActionReading, HexToIntGivesEveryCharacterAPlaceAndWrapsAt32Bits) {
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("7fFf"), 0x7FFF);
    EXPECT_EQ(HexToInt("1x0"), 0x100) << "a stray character adds nothing but keeps its place";
    EXPECT_EQ(HexToInt("0x10"), 0x10);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("1FFFFFFFF"), -1) << "the ninth digit falls off the top";
    EXPECT_EQ(HexToInt("80000000"), INT32_MIN);

    EXPECT_EQ(HexStreamBytes("0D0A"), "\x0D\x0A");
    EXPECT_EQ(HexStreamBytes("414"), std::string("\x41\x04", 2)) << "a last single digit";
    EXPECT_EQ(HexStreamBytes("00zz"), std::string(2, '\0'));
    EXPECT_EQ(HexStreamBytes(std::string(3000, 'F')).size(), kMaxStreamBytes);
}

namespace {
TWindowHandle Find(std::string_view names, const std::vector<tav::testing::TTopWindow>& windows) {
    return tav::testing::FirstWindow(windows, TTitleOrClassMatch(names));
}
} // namespace

TEST(ActionReading, AWindowIsFoundByTitleOrByTheClassAfterTheComma) {
    const std::vector<tav::testing::TTopWindow> z = {
        {1, "Untitled - Notepad", "Notepad"},
        {2, "Calculator", "CalcFrame"},
        {3, "", "Shell_TrayWnd"},
    };
    EXPECT_EQ(Find("Notepad", z), 1u) << "the top one of two matches";
    EXPECT_EQ(Find("Calc", z), 2u);
    EXPECT_EQ(Find("calc", z), 0u) << "letter case counts";
    EXPECT_EQ(Find("Nothing, CalcFrame", z), 2u);
    EXPECT_EQ(Find("Nothing, Tray", z), 3u);
    EXPECT_EQ(Find(", ", z), 0u) << "empty parts match nothing";
    EXPECT_EQ(Find("Calculator,", z), 2u);
    EXPECT_EQ(Find("", z), 0u);
}

TEST(ActionReading, OnlyTheExtensionOfTheLastNameMakesAProgram) {
    EXPECT_TRUE(IsProgramFile("C:\\Tools\\viewer.exe"));
    EXPECT_TRUE(IsProgramFile("run.Bat"));
    EXPECT_TRUE(IsProgramFile("\"C:\\Program Files\\tool.com\""));
    EXPECT_TRUE(IsProgramFile("C:\\old.tar.exe"));
    EXPECT_FALSE(IsProgramFile("C:\\my.dir\\tool"));
    EXPECT_FALSE(IsProgramFile("C:\\my.exe\\readme.txt"));
    EXPECT_FALSE(IsProgramFile("C:\\Tools\\notes"));
    EXPECT_FALSE(IsProgramFile("C:\\a.exe.lnk"));

    EXPECT_EQ(ProgramCommandLine("C:\\Tools\\viewer.exe", "/f"), "C:\\Tools\\viewer.exe /f");
    EXPECT_EQ(ProgramCommandLine("C:\\Program Files\\v.exe", "a b"),
              "\"C:\\Program Files\\v.exe\" a b");
    EXPECT_EQ(ProgramCommandLine("\"C:\\Program Files\\v.exe\"", ""),
              "\"C:\\Program Files\\v.exe\" ");
}

// The program's own table: the whole Windows list, then the user's file as Windows writes it.
TEST(ActionReading, TheProgramsMessageListsFindEveryNameOfBothListsOnce) {
    const test::TempPath file(".txt");
    test::WriteBytes(file.str(), "Play=WM_APP,1,2\r\nPLAY=0999,0,0\r\n\xE9t\xE9=0401,0,0\r\n"
                                 "WM_CLOSE=0123,0,0\r\n");
    const TMessageLists lists(file.str());
    EXPECT_EQ(lists.MessageNumber("wm_activate"), "0006") << "the first of the Windows list";
    EXPECT_EQ(lists.MessageNumber("WM_WININICHANGE"), "001A") << "its last";
    EXPECT_EQ(lists.MessageNumber("Wm_User"), "0400");
    EXPECT_EQ(lists.MessageNumber("WM_CLOSE"), "0010") << "the Windows list comes first";
    EXPECT_EQ(lists.MessageNumber("play"), "WM_APP") << "the first line of a name counts";
    EXPECT_EQ(lists.MessageNumber("\xC9T\xC9"), "0401") << "letters of the code page fold too";
    EXPECT_EQ(lists.MessageNumber("WM_APP"), std::nullopt);
    EXPECT_EQ(TMessageLists(file.str() + ".none").MessageNumber("Play"), std::nullopt);
}

TEST(ActionReading, TheUsersListIsReadUpToItsBoundsAndItsNamesAreKeptShort) {
    const test::TempPath file(".txt");
    std::string lines;
    for (std::size_t i = 0; i < kMaxUserMessageLines; ++i)
        lines.append("M").append(std::to_string(i)).append("=0400,0,0\r\n");
    test::WriteBytes(file.str(), lines);
    EXPECT_EQ(TMessageLists(file.str()).UserMessages().size(), kMaxUserMessageLines);
    EXPECT_FALSE(TMessageLists(file.str()).UserListCut());
    test::WriteBytes(file.str(), lines + "Later=0401,0,0");
    const TMessageLists more(file.str());
    EXPECT_EQ(more.UserMessages().size(), kMaxUserMessageLines);
    EXPECT_EQ(more.UserMessages().back(), "M999=0400,0,0");
    EXPECT_TRUE(more.UserListCut());
    EXPECT_EQ(more.UserListPath(), file.str());

    const std::string longName = "LONG1_" + std::string(4994, 'N');
    test::WriteBytes(file.str(), longName + "=0400,1,2\r\nNext=0401," +
                                     std::string(kMaxUserMessageBytes, '0') + ",0\r\n");
    const TMessageLists big(file.str());
    const std::string kept = longName.substr(0, kMaxUserMessageName);
    EXPECT_EQ(big.UserMessages(), std::vector<std::string>{kept + "=0400,1,2"})
        << "a line the byte bound cuts is left out";
    EXPECT_TRUE(big.UserListCut());
    EXPECT_EQ(big.MessageNumber(kept), "0400");
}

TEST(ActionReading, TheWindowsListNamesEveryStandardMessageOnceAndSevenValuesTwice) {
    const TMessageLists lists("");
    std::map<std::string, std::vector<std::string>> names;
    for (const std::string& line : lists.WindowsMessages())
        names[line.substr(line.find('=') + 1)].push_back(line.substr(0, line.find('=')));
    EXPECT_EQ(lists.WindowsMessages().size(), 207u);
    std::map<std::string, std::vector<std::string>> shared;
    for (const auto& [value, named] : names)
        if (named.size() > 1)
            shared[value] = named;
    EXPECT_EQ(shared, (std::map<std::string, std::vector<std::string>>{
                          {"001A", {"WM_SETTINGCHANGE", "WM_WININICHANGE"}},
                          {"0100", {"WM_KEYDOWN", "WM_KEYFIRST"}},
                          {"0109", {"WM_KEYLAST", "WM_UNICHAR"}},
                          {"010F", {"WM_IME_COMPOSITION", "WM_IME_KEYLAST"}},
                          {"0200", {"WM_MOUSEFIRST", "WM_MOUSEMOVE"}},
                          {"03E0", {"WM_DDE_FIRST", "WM_DDE_INITIATE"}},
                          {"03E8", {"WM_DDE_EXECUTE", "WM_DDE_LAST"}}}));
    EXPECT_EQ(lists.MessageNumber("WM_DDE_POKE"), "03E7");
    EXPECT_EQ(lists.MessageNumber("WM_IME_REQUEST"), "0288");
}

TEST(ActionReading, MessageNamesResolveThroughBothLists) {
    const TMessageNameTable table(
        {"WM_CLOSE=0010", "WM_USER=0400"},
        {"Beep=WM_USER,1A,2B", "Raw=0401,0,0", "Keyed=x=0123,1,2", "NoValue"});
    EXPECT_EQ(table.Resolve("wm_close"), "0010");
    EXPECT_EQ(table.Resolve("Beep"), "0400");
    EXPECT_EQ(table.Resolve("raw"), "0401");
    EXPECT_EQ(table.Resolve("Keyed"), "0123");
    EXPECT_EQ(table.Resolve("NoValue"), std::nullopt);
    EXPECT_EQ(table.Resolve("WM_PAINT"), std::nullopt);
}
