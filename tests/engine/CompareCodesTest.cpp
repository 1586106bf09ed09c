#include "engine/recognition/CompareCodes.h"
#include "engine/recognition/MousePackets.h"
#include "engine/recognition/ReportText.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

using namespace tav;

namespace {

TCommand Code(std::initializer_list<std::int32_t> values) {
    TCommand c;
    for (std::int32_t v : values)
        c.Code[static_cast<std::size_t>(++c.LastIndex)] = v;
    return c;
}

TCompareSettings Tolerance(int t) {
    TCompareSettings s;
    s.Tolerance = t;
    return s;
}

} // namespace

TEST(CompareCodes, EmptyAndDifferentLengths) {
    const TCompareSettings s = Tolerance(20);
    EXPECT_FALSE(CompareCodes(s, Code({}), Code({1})));
    EXPECT_FALSE(CompareCodes(s, Code({1}), Code({})));
    EXPECT_TRUE(CompareCodes(s, Code({1, 5, 9}), Code({1, 5, 9, 100})));
    TCompareSettings same = s;
    same.SameLength = true;
    EXPECT_FALSE(CompareCodes(same, Code({1, 5, 9}), Code({1, 5, 9, 100})));
}

TEST(CompareCodes, ShortCodesCompareTheFirstValueExactly) {
    TCompareSettings s = Tolerance(20);
    s.SkipFirst = 5;
    EXPECT_TRUE(CompareCodes(s, Code({10, 20, 30, 40, 50}), Code({10, 99})));
    EXPECT_FALSE(CompareCodes(s, Code({10, 20, 30, 40, 50}), Code({11, 20})));
    // A limit of 1 makes every code short.
    TCompareSettings one = Tolerance(20);
    one.LengthLimit = 1;
    EXPECT_TRUE(CompareCodes(one, Code({7, 1, 2, 3}), Code({7, 900, 900, 900})));
}

TEST(CompareCodes, SkipFirstAndLengthLimit) {
    TCompareSettings s = Tolerance(0);
    s.SkipFirst = 2;
    EXPECT_TRUE(CompareCodes(s, Code({1, 2, 3, 4}), Code({9, 9, 3, 4})));
    EXPECT_FALSE(CompareCodes(s, Code({1, 2, 3, 4}), Code({9, 9, 3, 5})));
    s.SkipFirst = 10; // past the shorter code: nothing is compared
    EXPECT_TRUE(CompareCodes(s, Code({1, 2, 3}), Code({4, 5, 6, 7})));

    TCompareSettings limit = Tolerance(0);
    limit.LengthLimit = 3;
    limit.SkipFirst = 1;
    const TCommand a = Code({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_TRUE(CompareCodes(limit, a, Code({50, 1, 2, 3, 0, 0, 0, 0, 0, 0})));
    EXPECT_FALSE(CompareCodes(limit, a, Code({0, 1, 2, 4, 4, 5, 6, 7, 8, 9})));
}

TEST(CompareCodes, ToleranceIsAbsoluteAndDoesNotWrap) {
    const TCompareSettings s = Tolerance(20);
    EXPECT_TRUE(CompareCodes(s, Code({0, 100, 100}), Code({0, 120, 80})));
    EXPECT_FALSE(CompareCodes(s, Code({0, 100, 100}), Code({0, 121, 100})));
    EXPECT_TRUE(CompareCodes(s, Code({0, INT_MAX, INT_MIN}), Code({0, INT_MAX, INT_MIN})));
    EXPECT_TRUE(CompareCodes(s, Code({0, INT_MAX - 5, INT_MIN + 5}), Code({0, INT_MAX, INT_MIN})));
    const TCompareSettings wide = Tolerance(32767);
    EXPECT_FALSE(CompareCodes(wide, Code({0, INT_MIN, 0}), Code({0, INT_MAX, 0})));
    EXPECT_FALSE(CompareCodes(wide, Code({0, INT_MAX, 0}), Code({0, INT_MIN, 0})));
}

TEST(CompareCodes, BinaryThreshold) {
    TCompareSettings s = Tolerance(0);
    s.Binary = true;
    s.BinaryThreshold = 127;
    EXPECT_TRUE(CompareCodes(s, Code({0, 126, 500}), Code({0, 0, 127})));
    EXPECT_FALSE(CompareCodes(s, Code({0, 127, 500}), Code({0, 126, 500})));
    EXPECT_TRUE(CompareCodes(s, Code({0, -5, 500}), Code({0, INT_MIN, INT_MAX})));
}

TEST(MousePackets, DecodesWholePacketsUpToTheFirstNonPacket) {
    // 0x43: dx high bits 11, dy high bits 00; 0x7F | 0xC0 = 0xFF = -1.
    const auto moves = DecodeMousePackets(Code(
        {0x43, 0x7F, 0x05, 0, 0, 0, 0x4C, 0x01, 0x3F, 0, 0, 0, 0x10, 1, 1, 0, 0, 0, 0x40, 1, 1}));
    EXPECT_EQ(moves, (std::vector<TPointerMove>{{-1, 5}, {1, -1}}));
}

TEST(MousePackets, NeverReadsPastTheCode) {
    EXPECT_TRUE(DecodeMousePackets(Code({})).empty());
    TCommand stale = Code({0x40, 1});
    stale.Code[2] = 1; // left over from an earlier code
    EXPECT_TRUE(DecodeMousePackets(stale).empty());
    EXPECT_EQ(DecodeMousePackets(Code({0x40, 1, 2, 0, 0, 0, 0x40, 3})).size(), 1u);
}

TEST(ReportText, PartsAndSeparators) {
    const TCommand code = Code({0x1A, 0x2B});
    TAction item;
    item.Name = "Volume up";
    const TReportParts all{true, true, true, true};
    EXPECT_EQ(BuildReportText(all, "TV", "Vol+", code, &item), "TV, Vol+, 1A 2B , Volume up");
    EXPECT_EQ(BuildReportText(all, "TV", "Vol+", code, nullptr), "TV, Vol+, 1A 2B ");
    EXPECT_EQ(BuildReportText({false, true, false, true}, "TV", "Vol+", code, &item),
              "Vol+, Volume up");
    EXPECT_EQ(BuildReportText({false, false, true, false}, "", "", Code({-1, 5, 0x123}), nullptr),
              "FFFFFFFF 05 123 ");
    EXPECT_EQ(BuildReportText({false, false, false, true}, "TV", "Vol+", code, nullptr), "");
}

TEST(ReportText, ACodeWithoutValuesAddsNoSeparator) {
    // A command fired by name before it was learned has no values to report.
    TAction item;
    item.Name = "Volume up";
    EXPECT_EQ(BuildReportText({true, true, true, true}, "TV", "Vol+", Code({}), &item),
              "TV, Vol+, Volume up");
    EXPECT_EQ(BuildReportText({true, false, true, false}, "TV", "", Code({}), nullptr), "TV");
}
