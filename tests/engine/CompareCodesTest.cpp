#include "engine/recognition/CompareCodes.h"
#include "engine/recognition/MousePackets.h"
#include "engine/recognition/ReportText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <vector>

using namespace tav;

namespace {

TCode Code(std::initializer_list<std::int32_t> values) {
    return TCode(values);
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
    const TCode a = Code({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
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

namespace {

// The comparison value by value, in 64 bits, as the rules state it.
bool ReferenceCompare(const TCompareSettings& s, const TCode& stored, const TCode& received) {
    if (stored.Empty() || received.Empty())
        return false;
    if (s.SameLength && stored.LastIndex() != received.LastIndex())
        return false;
    int last = std::min(stored.LastIndex(), received.LastIndex());
    if (s.LengthLimit > 0 && s.LengthLimit <= last)
        last = s.LengthLimit;
    if (last <= 1)
        return stored[0] == received[0];
    for (int i = std::max(s.SkipFirst, 0); i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (s.Binary) {
            if ((stored[k] < s.BinaryThreshold) != (received[k] < s.BinaryThreshold))
                return false;
        } else if (std::llabs(std::int64_t{received[k]} - stored[k]) > s.Tolerance) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(CompareCodes, AgreesWithTheValueByValueRulesUnderAnySettings) {
    std::mt19937 rng(7);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::int32_t extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX - 1, INT_MAX};
    auto value = [&] {
        return in(0, 3) == 0 ? extremes[in(0, 6)] : static_cast<std::int32_t>(rng());
    };
    int matches = 0;
    for (int round = 0; round < 20000; ++round) {
        TCompareSettings s;
        s.SkipFirst = in(-2, 300);
        s.Tolerance = in(0, 4) == 0 ? extremes[in(0, 6)] : in(-3, 60);
        s.LengthLimit = in(0, 1) ? 0 : in(-2, 300);
        s.Binary = in(0, 2) == 0;
        s.BinaryThreshold = in(0, 1) ? value() : in(-50, 50);
        s.SameLength = in(0, 3) == 0;
        std::vector<std::int32_t> stored(
            static_cast<std::size_t>(in(0, 3) ? in(0, 5) : in(0, 400)));
        for (auto& v : stored)
            v = in(0, 1) ? value() : in(-100, 100);
        // The received code mostly follows the stored one, a value now and then off by a little
        // or by a lot, and may be longer or shorter.
        std::vector<std::int32_t> received = stored;
        received.resize(in(0, 4) ? stored.size() : static_cast<std::size_t>(in(0, 400)), 5);
        for (int changes = in(0, 3); changes > 0 && !received.empty(); --changes) {
            auto& v =
                received[static_cast<std::size_t>(in(0, static_cast<int>(received.size()) - 1))];
            const int delta = in(0, 1) ? in(-70, 70) : in(INT_MIN / 2, INT_MAX / 2);
            v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v) +
                                          static_cast<std::uint32_t>(delta)); // wraps
        }
        const TCode a(stored), b(received);
        const bool expected = ReferenceCompare(s, a, b);
        ASSERT_EQ(CompareCodes(s, a, b), expected) << "round " << round;
        matches += expected;
    }
    // Both outcomes occur often enough for the agreement to mean something.
    EXPECT_GT(matches, 2000);
    EXPECT_LT(matches, 18000);
}

TEST(MousePackets, DecodesWholePacketsUpToTheFirstNonPacket) {
    // 0x43: dx high bits 11, dy high bits 00; 0x7F | 0xC0 = 0xFF = -1.
    const auto moves = DecodeMousePackets(Code(
        {0x43, 0x7F, 0x05, 0, 0, 0, 0x4C, 0x01, 0x3F, 0, 0, 0, 0x10, 1, 1, 0, 0, 0, 0x40, 1, 1}));
    EXPECT_EQ(moves, (std::vector<TPointerMove>{{-1, 5}, {1, -1}}));
}

TEST(MousePackets, NeverReadsPastTheCode) {
    EXPECT_TRUE(DecodeMousePackets(Code({})).empty());
    EXPECT_TRUE(DecodeMousePackets(Code({0x40, 1})).empty());
    EXPECT_EQ(DecodeMousePackets(Code({0x40, 1, 2, 0, 0, 0, 0x40, 3})).size(), 1u);
}

TEST(ReportText, PartsAndSeparators) {
    const TCode code = Code({0x1A, 0x2B});
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
