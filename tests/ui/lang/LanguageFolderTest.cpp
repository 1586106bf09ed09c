#include "ui/lang/LanguageFolder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(LanguageFolder, ListsLngFilesByTheirNameWithoutTheExtension) {
    test::TempFolder program;
    program.Write("Lang/spanish.lng", "");
    program.Write("Lang/English.LNG", "");
    program.Write("Lang/pt.br.lng", "");
    program.Write("Lang/german.lng.bak", "");
    program.Write("Lang/readme.txt", "");
    program.Write("Lang/folder.lng/inside.lng", "");
    program.Write("french.lng", "");
    const TLanguageFolder folder(program.Path().string());
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"English", "pt.br", "spanish"}));
    EXPECT_TRUE(folder.HasFile("spanish"));
    EXPECT_TRUE(folder.HasFile("pt.br"));
    EXPECT_FALSE(folder.HasFile("pt"));
    EXPECT_FALSE(folder.HasFile("folder"));
    EXPECT_FALSE(folder.HasFile("french"));
    // Only a plain file name is taken: none outside the folder, nor a path into it.
    for (const char* outside : {"../french", "..\\french", "../Lang/spanish", "C:french"})
        EXPECT_FALSE(folder.HasFile(outside)) << outside;
}

TEST(LanguageFolder, PathsAndAMissingFolder) {
    test::TempFolder program;
    const std::string base = program.Path().string();
    const TLanguageFolder folder(base);
    const char separator = folder.Path().back();
    EXPECT_TRUE(separator == '/' || separator == '\\');
    EXPECT_EQ(folder.Path(), base + separator + "Lang" + separator);
    EXPECT_EQ(TLanguageFolder(base + separator).Path(), folder.Path());
    EXPECT_EQ(folder.FileOf("english"), folder.Path() + "english.lng");
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_FALSE(folder.HasFile("english"));
}

} // namespace
