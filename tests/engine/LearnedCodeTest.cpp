#include "engine/recognition/LearnedCode.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

using namespace tav;

namespace {

struct LearnedCodeTest : ::testing::Test {
    TLearnQueue queue;
    TCode command;

    void AddSample(std::vector<std::int32_t> values, bool matched = true) {
        TInQueueArray& s = queue.Samples.at(static_cast<std::size_t>(++queue.LastSample));
        s.Code = TCode(values);
        s.Matched = matched;
    }
    // What accepting the dialog stores: the command keeps its code when nothing was learned.
    bool Store() {
        const std::optional<TCode> learned = LearnedCode(queue);
        if (learned)
            command = *learned;
        return learned.has_value();
    }
    std::vector<std::int32_t> Stored() const {
        return {command.Values().begin(), command.Values().end()};
    }
};

TEST_F(LearnedCodeTest, TheRunningHalvingWeighsEachLaterSampleAsAllEarlierOnesTogether) {
    AddSample({100, 200, 300});
    AddSample({102, 200, 300});
    AddSample({104, 200, 300});
    ASSERT_TRUE(Store());
    // (100+100)/2 = 100, (102+100)/2 = 101, (104+101)/2 = 102: not the mean 102 by chance.
    EXPECT_EQ(Stored(), (std::vector<std::int32_t>{102, 200, 300}));

    // Negative values halve toward zero.
    queue = {};
    AddSample({-3});
    AddSample({-4});
    ASSERT_TRUE(Store());
    EXPECT_EQ(Stored(), (std::vector<std::int32_t>{-3})); // (-3-3)/2 = -3, (-4-3)/2 = -3
}

TEST_F(LearnedCodeTest, TheCodeIsCutToTheShortestMatchingSampleAndMissesCountForNothing) {
    AddSample({10, 20, 30, 40});
    AddSample({1, 2}, false);
    AddSample({12, 22, 32});
    AddSample({14, 24, 34});
    ASSERT_TRUE(Store());
    // Sample 2 is copied (the earliest of the two shortest), then 0, 2 and 3 are halved in:
    // 12 -> (10+12)/2 = 11 -> (12+11)/2 = 11 -> (14+11)/2 = 12.
    EXPECT_EQ(Stored(), (std::vector<std::int32_t>{12, 22, 32}));
}

TEST_F(LearnedCodeTest, AFullLengthSampleQualifiesAndExtremeValuesDoNotOverflow) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    std::vector<std::int32_t> full(kCodeCapacity, kMax);
    full.back() = std::numeric_limits<std::int32_t>::min();
    AddSample(full);
    AddSample(full);
    ASSERT_TRUE(Store());
    EXPECT_EQ(command.LastIndex(), kLastCodeIndex);
    EXPECT_EQ(command[0], kMax);
    EXPECT_EQ(command[kLastCodeIndex], std::numeric_limits<std::int32_t>::min());
}

TEST_F(LearnedCodeTest, WithoutAMatchingSampleTheCommandKeepsItsCode) {
    command = {7};
    EXPECT_FALSE(Store());
    AddSample({}); // a sample without values is no code
    AddSample({5}, false);
    EXPECT_FALSE(Store());
    EXPECT_EQ(Stored(), (std::vector<std::int32_t>{7}));
}

} // namespace
