#include "support/help/HelpPath.h"
#include "support/help/HelpStrings.h"
#include "support/help/HelpVersions.h"

#include <gtest/gtest.h>

using namespace tav::help;

TEST(HelpPath, PartsLoseTheirBlanksAndATopicBecomesAPageOfTheFile) {
    EXPECT_EQ(BuildHelpPath(" my%20help.chm ", "a\\b.htm", "main", THelpPathPrefix::MsItStore),
              "mk:@MSITStore:my help.chm::/a/b.htm>main");
    EXPECT_EQ(BuildHelpPath("", "/a.htm", "", THelpPathPrefix::MsIts), "ms-its:/a.htm");
    // What the program hands the viewer: the help file's path alone.
    EXPECT_EQ(BuildHelpPath("C:\\Tavrilo\\tvrlhelp.chm", "", "", THelpPathPrefix::None),
              "C:\\Tavrilo\\tvrlhelp.chm");
}

TEST(HelpPath, OnlyALeadingSystemRootVariableIsExpanded) {
    std::string path = "%SYSTEMROOT%\\System32\\hhctrl.ocx";
    ExpandSystemRoot(path, "C:\\WINDOWS\\");
    EXPECT_EQ(path, "C:\\WINDOWS\\System32\\hhctrl.ocx");
    std::string alone = "%SystemRoot%";
    ExpandSystemRoot(alone, "C:\\WINDOWS");
    EXPECT_EQ(alone, "C:\\WINDOWS");
    for (std::string unchanged : {"%SystemRootX\\hhctrl.ocx", "%SystemRoo", "D:\\%SystemRoot%"}) {
        const std::string before = unchanged;
        ExpandSystemRoot(unchanged, "C:\\WINDOWS");
        EXPECT_EQ(unchanged, before);
    }
}

TEST(HelpPath, CommandsAreNamedInTheLog) {
    EXPECT_EQ(HelpCommandText(1), "1 (HELP_CONTEXT)");
    EXPECT_EQ(HelpCommandText(3), "3 (HELP_INDEX or HELP_CONTENTS)");
    EXPECT_EQ(HelpCommandText(0x101), "257 (HELP_KEY)");
    EXPECT_EQ(HelpCommandText(6), "6 (?\?)");
}

TEST(HelpStrings, ReplacingATextWithOneThatHoldsItEnds) {
    std::string text = "a%b%";
    EXPECT_EQ(ReplaceAll(text, "%", "%%"), 2u);
    EXPECT_EQ(text, "a%%b%%");
    EXPECT_EQ(ReplaceAll(text, "", "x"), 0u);
    EXPECT_EQ(ReplaceFirst(text, "b", "B"), 4u);
    EXPECT_EQ(TrimChar("  x y  ", ' '), "x y");
}

TEST(HelpStrings, SystemErrorsHaveTheNamesOfTheirGroup) {
    EXPECT_EQ(LastErrorName(2), "File Not Found");
    EXPECT_EQ(LastErrorName(33), "File In Use");
    EXPECT_EQ(LastErrorName(1393), "Corrupt File Or Disk");
    EXPECT_EQ(LastErrorName(1358), "Corrupt Registry");
    EXPECT_EQ(LastErrorName(1392 + 2), "General Failure");
}

TEST(HelpStrings, LogFormatsTakeAnyArgumentAndAMessageWithoutArgumentsStaysAsWritten) {
    EXPECT_EQ(
        FormatLog("HHHelpContext(\"%s\", %d, \"%s\", %d)", std::string("x.chm"), 1000, "", 0u),
        "HHHelpContext(\"x.chm\", 1000, \"\", 0)");
    // A type that does not fit its conversion is still shown, never misread.
    EXPECT_EQ(FormatLog("%d of %s", "two", 3), "two of 3");
    EXPECT_EQ(FormatLog("100% done"), "100% done");
    EXPECT_EQ(FormatLog("%d%% and %s", 5), "5% and %s");
}

TEST(HelpVersions, HelpControlReleasesAreNamedByTheNewestOneReached) {
    EXPECT_EQ(HelpControlVersionName("4.74.8857.0", {4, 74, 8857, 0}), "1.32");
    EXPECT_EQ(HelpControlVersionName("4.74.8857.5", {4, 74, 8857, 5}), "1.32");
    EXPECT_EQ(HelpControlVersionName("5.2.3669.0", {5, 2, 3669, 0}), "1.4a");
    EXPECT_EQ(HelpControlVersionName("5.2.3790.0", {5, 2, 3790, 0}), "> 1.4a");
    EXPECT_EQ(HelpControlVersionName("4.72.7289.0", {4, 72, 7289, 0}), "< 1.0");
    EXPECT_EQ(HelpControlVersionName("", {}), "");
}

TEST(HelpVersions, OldBrowserBuildsMoveToTheirPlaceBeforeTheyAreNamed) {
    const TFileVersion moved = BrowserVersionMoved({4, 70, 0, 1155});
    EXPECT_EQ(moved, (TFileVersion{4, 70, 1155, 0}));
    EXPECT_EQ(BrowserVersionName(VersionText(moved), moved), "Internet Explorer 3.0");
    EXPECT_EQ(BrowserVersionMoved({4, 71, 0, 1712}), (TFileVersion{4, 71, 0, 1712}));
    EXPECT_EQ(BrowserVersionName("5.0.2919.6307", {5, 0, 2919, 6307}), "Internet Explorer 5.01");
    EXPECT_EQ(BrowserVersionName("11.0.9600.0", {11, 0, 9600, 0}),
              ">= Internet Explorer 11.0.9600.0");
    EXPECT_EQ(BrowserVersionName("4.40.307.0", {4, 40, 307, 0}), "< Internet Explorer 1.0 (Plus!)");
    EXPECT_EQ(CompareVersions({4, 74, 0, 0}, {4, 8, 0, 0}), 1);
}
