#include "components/ini/PackedLines.h"

#include <gtest/gtest.h>

using namespace tav;

// A line's length takes one more byte at each seventh bit; edits must keep every other line.
TEST(PackedLines, LengthsAcrossTheirByteBoundariesSurviveEdits) {
    const IniLines lines = {"",    std::string(127, 'a'),   std::string(128, 'b'),
                            "k=v", std::string(16383, 'c'), std::string(16384, 'd')};
    TPackedLines packed(lines);
    EXPECT_EQ(packed.Count(), 6);
    EXPECT_EQ(packed.Unpacked(), lines);

    IniLines expected = lines;
    packed.Replace(1, std::string(200, 'e')); // the length grows by a byte
    expected[1] = std::string(200, 'e');
    packed.Replace(4, "short");
    expected[4] = "short";
    packed.Erase(0);
    expected.erase(expected.begin());
    packed.Erase(4);
    expected.erase(expected.begin() + 4);
    packed.Append("tail");
    expected.push_back("tail");
    EXPECT_EQ(packed.Count(), 5);
    EXPECT_EQ(packed.Unpacked(), expected);
}
