// The portable profile reader must read language files as the platform's reader does.

#include "ui/lang/PortableProfileFile.h"
#include "ui/lang/win32/WinProfileFile.h"

#include "../TempFolder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace tav;

namespace {

using Query = std::pair<std::string, std::string>; // section, key

void ExpectSameReading(const std::string& text, const std::vector<Query>& queries) {
    test::TempFolder folder;
    const std::string path = folder.Write("tricky.lng", text);
    const std::unique_ptr<TProfileFile> platform = OpenWinProfileFile(path);
    const std::unique_ptr<TProfileFile> portable = TPortableProfileFile::Open(path);
    for (const auto& [section, key] : queries)
        EXPECT_EQ(portable->ReadString(section, key), platform->ReadString(section, key))
            << "[" << section << "] " << key;
}

TEST(ProfileAgreement, QuotesAndBlanks) {
    ExpectSameReading("[Translations]\r\n"
                      "A = alpha \r\n"
                      "  B=\"quoted\"\r\n"
                      "C='single'\r\n"
                      "D=\"mismatch'\r\n"
                      "E=\"\r\n"
                      "F=\"\"\r\n"
                      "G=  \"  inner blanks  \"  \r\n"
                      "H=a=b\r\n"
                      "I=\r\n"
                      "J\t=\ttabbed\t\r\n"
                      "K=\"left only\r\n"
                      "L=x\"\r\n"
                      "M=a \"b\" c\r\n"
                      "N='x'y'\r\n"
                      "O=\xA0nbsp\xA0\r\n"
                      "P=\x1A zed \x1A\r\n"
                      "Q=a~b\r\n"
                      "NoEquals\r\n",
                      {{"Translations", "A"},
                       {"Translations", "  B  "},
                       {"Translations", "C"},
                       {"Translations", "D"},
                       {"Translations", "E"},
                       {"Translations", "F"},
                       {"Translations", "G"},
                       {"Translations", "H"},
                       {"Translations", "I"},
                       {"Translations", "J"},
                       {"Translations", "K"},
                       {"Translations", "L"},
                       {"Translations", "M"},
                       {"Translations", "N"},
                       {"Translations", "O"},
                       {"Translations", "P"},
                       {"Translations", "Q"},
                       {"Translations", "NoEquals"},
                       {"Translations", "Absent"}});
}

// Letters outside ASCII are left out: the Windows reader folds their case, Wine's does not.
TEST(ProfileAgreement, CaseSectionsAndDuplicates) {
    ExpectSameReading("Top=before any section\n"
                      "[translations]\n"
                      "MainForm.NewBtn.Caption=&Nuevo\n"
                      "Dup=first\n"
                      "Dup=second\n"
                      "Bare\n"
                      "Bare=later\n"
                      "   [ Messages ]   \n"
                      "Default=Predeterminado\n"
                      "[Br]]x\n"
                      "k=bracket\n"
                      "[Half\n"
                      "h=half\n"
                      "[MESSAGES]\n"
                      "Default=second section\n"
                      "Only=in the second section\n",
                      {{"Translations", "mainform.newbtn.CAPTION"},
                       {" TRANSLATIONS ", "MainForm.NewBtn.Caption"},
                       {"Translations", "Dup"},
                       {"Translations", "Bare"},
                       {"Translations", "Top"},
                       {"", "Top"},
                       {"messages", "default"},
                       {"Messages", "Only"},
                       {"Br]", "k"},
                       {"Br]", "h"},
                       {"Br", "k"}});
}

TEST(ProfileAgreement, LineEndsAndLongValues) {
    const std::string longValue(3000, 'v');
    ExpectSameReading("[S]\rCr=1\rLf=2\nCrLf=3\r\n\r\nLong=" + longValue + "\r\nQuoted=\"" +
                          longValue + "\"\r\nExact=" + std::string(kMaxProfileValueLength, 'e') +
                          "\r\nLast=no line end",
                      {{"S", "Cr"},
                       {"S", "Lf"},
                       {"S", "CrLf"},
                       {"S", "Long"},
                       {"S", "Quoted"},
                       {"S", "Exact"},
                       {"S", "Last"}});
}

} // namespace
