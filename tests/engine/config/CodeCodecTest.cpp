#include "engine/config/CodeCodec.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav;

namespace {

TCode WithValues(const std::vector<std::int32_t>& values) {
    return TCode(values);
}

std::vector<std::int32_t> Decoded(std::string_view text, int digits) {
    const TCode c = DecodeCode(text, digits);
    return {c.Values().begin(), c.Values().end()};
}

} // namespace

TEST(CodeCodec, WidthOfTheWidestValue) {
    const TCode three = WithValues({5, 419, 32});
    EXPECT_EQ(CodeDigits(three), 3);
    EXPECT_EQ(EncodeCode(three), "0051A3020");
    EXPECT_EQ(Decoded("0051A3020", 3), (std::vector<std::int32_t>{5, 419, 32}));

    const TCode negative = WithValues({1, -1});
    EXPECT_EQ(CodeDigits(negative), 8);
    EXPECT_EQ(EncodeCode(negative), "00000001FFFFFFFF");
    EXPECT_EQ(Decoded("00000001FFFFFFFF", 8), (std::vector<std::int32_t>{1, -1}));

    EXPECT_EQ(EncodeCode(WithValues({0, 0})), "00");
    EXPECT_EQ(EncodeCode(WithValues({INT32_MIN})), "80000000");
    const TCode never;
    EXPECT_EQ(CodeDigits(never), 0);
    EXPECT_EQ(EncodeCode(never), "");
}

TEST(CodeCodec, ReadingIsLenient) {
    EXPECT_EQ(Decoded("ABC", 2), (std::vector<std::int32_t>{0xAB})); // the short rest is ignored
    EXPECT_TRUE(Decoded("A", 2).empty());
    EXPECT_TRUE(Decoded("", 2).empty());
    EXPECT_TRUE(Decoded("ABCD", 0).empty());
    EXPECT_TRUE(Decoded("ABCD", -3).empty());
    EXPECT_TRUE(Decoded("ABCD", INT32_MAX).empty());
    EXPECT_EQ(Decoded("1fzZ", 2), (std::vector<std::int32_t>{0x1F, 0})); // non-digits count 0
    EXPECT_EQ(Decoded("123456789", 9), (std::vector<std::int32_t>{0x23456789})); // wraps
}

TEST(CodeCodec, WholeRecordRoundTrips) {
    std::vector<std::int32_t> values(kCodeCapacity);
    for (int i = 0; i < kCodeCapacity; ++i)
        values[static_cast<std::size_t>(i)] = i * 4099 - 2'000'000;
    const TCode full(values);
    const std::string text = EncodeCode(full);
    EXPECT_EQ(text.size(), 8u * kCodeCapacity);
    EXPECT_EQ(DecodeCode(text, CodeDigits(full)), full);
    // More values than a code holds: it keeps what fits.
    EXPECT_EQ(DecodeCode(text + "0000000100000002", 8), full);
}
