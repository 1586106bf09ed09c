#include "components/ini/FoldedNames.h"
#include "components/ini/BufferedIniFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace tav;

// The index finds a name only through its hash, so a byte that the comparison folds and the hash
// does not (or the other way round) would make a name unfindable or merge two sections.
TEST(FoldedNames, HashAgreesWithTheComparisonForEveryPairOfBytes) {
    std::string disagreements;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string x(1, static_cast<char>(a));
            const std::string y(1, static_cast<char>(b));
            if (AnsiSameText(x, y) != (FoldedHash(x) == FoldedHash(y)))
                disagreements += std::to_string(a) + "/" + std::to_string(b) + " ";
        }
    }
    EXPECT_EQ(disagreements, "");
    EXPECT_EQ(FoldedHash("L12A\xE9t\xFF"), FoldedHash("l12a\xC9T\x9F"));
}

TEST(FoldedNames, NamesOfOneHashStayApart) {
    ASSERT_EQ(FoldedHash("S539599"), FoldedHash("S722382"));
    std::string text = "[S539599]\nk=1\n[s722382]\nk=2\n[S722382]\nk=3\n[Many]\n";
    // Enough lines for the section to index its keys.
    for (int i = 0; i < 20; ++i)
        text += "filler" + std::to_string(i) + "=\n";
    text += "S539599=a\ns722382=b\nS722382=c\n";
    TBufferedIniFile ini;
    ini.LoadFromText(text);
    EXPECT_EQ(ini.Sections().Count(), 3);
    EXPECT_EQ(ini.ReadString("s539599", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("S722382", "k", ""), "2");
    EXPECT_EQ(ini.ReadString("Many", "s539599", ""), "a");
    EXPECT_EQ(ini.ReadString("Many", "S722382", ""), "b");
}
