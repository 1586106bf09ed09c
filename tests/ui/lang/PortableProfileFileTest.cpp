#include "ui/lang/PortableProfileFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(PortableProfileFile, NamesIgnoreCaseAndBlanksAroundKeysAndValuesAreDropped) {
    const TPortableProfileFile file("Top=before any section\r\n"
                                    "   [ Translations ]  \r\n"
                                    "  A\t=  alpha beta \t\r\n"
                                    "x.Y=dotted\n"
                                    "\xC9t\xE9=accent\r"
                                    "Ctl=\x1A zed \x1A\r\n"
                                    "Nbsp=\xA0kept\xA0\r\n"
                                    "Eq=a=b\r\n"
                                    "NoValue\r\n");
    EXPECT_EQ(file.ReadString("translations", " a "), "alpha beta");
    EXPECT_EQ(file.ReadString(" TRANSLATIONS ", "X.y"), "dotted");
    EXPECT_EQ(file.ReadString("Translations", "\xE9T\xC9"), "accent");
    EXPECT_EQ(file.ReadString("Translations", "Ctl"), "zed");
    EXPECT_EQ(file.ReadString("Translations", "Nbsp"), "\xA0kept\xA0");
    EXPECT_EQ(file.ReadString("Translations", "Eq"), "a=b");
    EXPECT_EQ(file.ReadString("Translations", "NoValue"), "");
    EXPECT_EQ(file.ReadString("Translations", "Top"), "");
    EXPECT_EQ(file.ReadString("", "Top"), "before any section");
    EXPECT_EQ(file.ReadString("Messages", "A"), "");
}

TEST(PortableProfileFile, MatchingQuotesAreStripped) {
    const TPortableProfileFile file("[S]\n"
                                    "D=\"double\"\n"
                                    "S='single'\n"
                                    "Inner=  \"  blanks kept  \"  \n"
                                    "Mixed=\"mixed'\n"
                                    "One=\"\n"
                                    "Empty=\"\"\n"
                                    "Left=\"left only\n"
                                    "Middle=a \"b\" c\n"
                                    "Nested='x'y'\n");
    EXPECT_EQ(file.ReadString("S", "D"), "double");
    EXPECT_EQ(file.ReadString("S", "S"), "single");
    EXPECT_EQ(file.ReadString("S", "Inner"), "  blanks kept  ");
    EXPECT_EQ(file.ReadString("S", "Mixed"), "\"mixed'");
    EXPECT_EQ(file.ReadString("S", "One"), "\"");
    EXPECT_EQ(file.ReadString("S", "Empty"), "");
    EXPECT_EQ(file.ReadString("S", "Left"), "\"left only");
    EXPECT_EQ(file.ReadString("S", "Middle"), "a \"b\" c");
    EXPECT_EQ(file.ReadString("S", "Nested"), "x'y");
}

TEST(PortableProfileFile, FirstSectionAndFirstKeyOfANameCount) {
    const TPortableProfileFile file("[messages]\n"
                                    "Dup=first\n"
                                    "Dup=second\n"
                                    "Bare\n"
                                    "Bare=later\n"
                                    "[Other]\n"
                                    "[Messages]\n"
                                    "Dup=third\n"
                                    "Only=in the second section\n"
                                    "[Br]]x\n"
                                    "k=bracket\n"
                                    "[Half\n"
                                    "h=half\n");
    EXPECT_EQ(file.ReadString("Messages", "Dup"), "first");
    EXPECT_EQ(file.ReadString("Messages", "Bare"), "");
    EXPECT_EQ(file.ReadString("Messages", "Only"), "");
    EXPECT_EQ(file.ReadString("Br]", "k"), "bracket");
    EXPECT_EQ(file.ReadString("Br]", "h"), "half"); // "[Half" is no section line
}

TEST(PortableProfileFile, ValuesAreCutAtNulAndAtTheLengthLimit) {
    const std::string longValue(3000, 'v');
    const TPortableProfileFile file("[S]\nLong=" + longValue + "\nQuoted=\"" + longValue + "\"\n" +
                                    std::string("Nul=a\0b\n", 8));
    EXPECT_EQ(file.ReadString("S", "Long"), std::string(kMaxProfileValueLength, 'v'));
    EXPECT_EQ(file.ReadString("S", "Quoted"), std::string(kMaxProfileValueLength, 'v'));
    EXPECT_EQ(file.ReadString("S", "Nul"), "a");
}

TEST(PortableProfileFile, MissingFileReadsAsEmpty) {
    test::TempFolder folder;
    EXPECT_EQ(
        TPortableProfileFile::Open((folder.Path() / "none.lng").string())->ReadString("S", "K"),
        "");
    const std::string path = folder.Write("x.lng", "[S]\r\nK=V");
    EXPECT_EQ(TPortableProfileFile::Open(path)->ReadString("S", "K"), "V");
}

} // namespace
