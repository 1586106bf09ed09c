#include "engine/actions/HexNumbers.h"
#include "engine/actions/MessageNames.h"
#include "engine/actions/ProgramFile.h"
#include "engine/actions/WindowLookup.h"

#include <gtest/gtest.h>

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

TEST(ActionReading, AWindowIsFoundByTitleOrByTheClassAfterTheComma) {
    const std::vector<TTopWindow> z = {
        {1, "Untitled - Notepad", "Notepad"},
        {2, "Calculator", "CalcFrame"},
        {3, "", "Shell_TrayWnd"},
    };
    EXPECT_EQ(FindWindowByTitleOrClass("Notepad", z), 1u) << "the top one of two matches";
    EXPECT_EQ(FindWindowByTitleOrClass("Calc", z), 2u);
    EXPECT_EQ(FindWindowByTitleOrClass("calc", z), 0u) << "letter case counts";
    EXPECT_EQ(FindWindowByTitleOrClass("Nothing, CalcFrame", z), 2u);
    EXPECT_EQ(FindWindowByTitleOrClass("Nothing, Tray", z), 3u);
    EXPECT_EQ(FindWindowByTitleOrClass(", ", z), 0u) << "empty parts match nothing";
    EXPECT_EQ(FindWindowByTitleOrClass("Calculator,", z), 2u);
    EXPECT_EQ(FindWindowByTitleOrClass("", z), 0u);
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

TEST(ActionReading, MessageNamesResolveThroughBothLists) {
    const std::vector<std::string> windows = {"WM_CLOSE=0010", "WM_USER=0400"};
    const std::vector<std::string> user = {"Beep=WM_USER,1A,2B", "Raw=0401,0,0", "Keyed=x=0123,1,2",
                                           "NoValue"};
    EXPECT_EQ(ResolveMessageName("wm_close", windows, user), "0010");
    EXPECT_EQ(ResolveMessageName("Beep", windows, user), "0400");
    EXPECT_EQ(ResolveMessageName("raw", windows, user), "0401");
    EXPECT_EQ(ResolveMessageName("Keyed", windows, user), "0123");
    EXPECT_EQ(ResolveMessageName("NoValue", windows, user), std::nullopt);
    EXPECT_EQ(ResolveMessageName("WM_PAINT", windows, user), std::nullopt);
}
