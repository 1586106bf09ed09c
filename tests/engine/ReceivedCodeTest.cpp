#include "engine/document/ReceivedCode.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav;

TEST(ReceivedCode, SerialAppendKeepsAThousandValues) {
    TReceivedCode rc;
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(rc.AppendUpTo1000(i));
    EXPECT_FALSE(rc.AppendUpTo1000(5000));
    EXPECT_EQ(rc.LastIndex(), 999);
    EXPECT_EQ(rc.Values().back(), 999);
}

TEST(ReceivedCode, DriverAppendSaturatesAtTheLastIndex) {
    TReceivedCode rc;
    for (int i = 0; i < 1005; ++i)
        rc.AppendSaturating(i);
    EXPECT_EQ(rc.LastIndex(), 1000);
    EXPECT_EQ(rc.Values()[999], 999);
    EXPECT_EQ(rc.Values()[1000], 1004);
}

TEST(ReceivedCode, ControlChunkIsKeptWholeOrDroppedWithTheBuffer) {
    TReceivedCode rc;
    std::vector<std::uint8_t> chunk(1000, 7);
    ASSERT_TRUE(rc.AppendChunkOrEmpty(chunk)); // last index 999
    const std::uint8_t two[] = {1, 2};
    EXPECT_FALSE(rc.AppendChunkOrEmpty(two)); // would reach index 1001
    EXPECT_TRUE(rc.IsEmpty());

    ASSERT_TRUE(rc.AppendChunkOrEmpty(chunk));
    const std::uint8_t one[] = {0xFF};
    ASSERT_TRUE(rc.AppendChunkOrEmpty(one)); // exactly index 1000
    EXPECT_EQ(rc.LastIndex(), 1000);
    EXPECT_EQ(rc.Values()[1000], 255); // bytes are unsigned values
}

TEST(ReceivedCode, PipeAndReplaceNeverPassTheRecord) {
    TReceivedCode rc;
    std::vector<std::uint8_t> big(1024, 3);
    EXPECT_EQ(rc.AppendWhileRoom(big), 1001u);
    EXPECT_EQ(rc.AppendWhileRoom(big), 0u);
    EXPECT_EQ(rc.LastIndex(), 1000);

    rc.ReplaceBytes(big);
    EXPECT_EQ(rc.LastIndex(), 1000);
    const std::int32_t one[] = {-7};
    rc.Replace(one);
    EXPECT_EQ(rc.LastIndex(), 0);
    EXPECT_EQ(rc.Values()[0], -7);
    rc.Replace({});
    EXPECT_TRUE(rc.IsEmpty());
}
