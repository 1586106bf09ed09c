#include "framework/Text.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(Text, FoldsCaseOverTheCodePageLetters) {
    EXPECT_TRUE(AnsiSameText("Alpha", "ALPHA"));
    EXPECT_TRUE(AnsiSameText("\xE9t\xE9", "\xC9T\xC9")); // accented e
    EXPECT_TRUE(AnsiSameText("\xFF", "\x9F"));           // y diaeresis
    EXPECT_FALSE(AnsiSameText("\xF7", "\xD7"));          // division and multiplication signs
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_GT(AnsiCompareText("abcd", "ABC"), 0);
}

TEST(Text, IntegerGrammar) {
    EXPECT_EQ(TryStrToInt("31"), 31);
    EXPECT_EQ(TryStrToInt(" -31"), -31);
    EXPECT_EQ(TryStrToInt("0x1F"), 31);
    EXPECT_EQ(TryStrToInt("0X10"), 16);
    EXPECT_EQ(TryStrToInt("$ff"), 255);
    EXPECT_EQ(TryStrToInt("0xFFFFFFFF"), -1);
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt(""));
    EXPECT_FALSE(TryStrToInt("12 "));
    EXPECT_FALSE(TryStrToInt("0x"));
    EXPECT_FALSE(TryStrToInt("1e3"));
    EXPECT_FALSE(TryStrToInt("0x100000000"));
}

TEST(Text, TrimAndSplit) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(SplitString("a,,b,", ","), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(IntToHex(-1, 8), "FFFFFFFF");
    EXPECT_EQ(IntToHex(0x1A, 2), "1A");
    EXPECT_EQ(ReplaceAll("a~b~~c", "~", "\t"), "a\tb\t\tc");
}

TEST(Text, AMenuCaptionAsANameLosesItsMnemonicAndItsEndingAtTheFirstColonOrAnEarlierDot) {
    EXPECT_EQ(StripMenuCaption("&Serial port"), "Serial port");
    EXPECT_EQ(StripMenuCaption("&Write log file:"), "Write log file");
    EXPECT_EQ(StripMenuCaption("Save &As..."), "Save As...");
    EXPECT_EQ(StripMenuCaption("R&&D: ports"), "R&D"); // only the first "&" goes
    EXPECT_EQ(StripMenuCaption("Max. delay: 5"), "Max");
    EXPECT_EQ(StripMenuCaption("Port: COM1.2"), "Port");
}
