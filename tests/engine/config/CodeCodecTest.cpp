#include "engine/config/CodeCodec.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav;

namespace {

TCommand WithValues(const std::vector<std::int32_t>& values) {
    TCommand c;
    for (std::size_t i = 0; i < values.size(); ++i)
        c.Code[i] = values[i];
    c.LastIndex = static_cast<std::int32_t>(values.size()) - 1;
    return c;
}

std::vector<std::int32_t> Decoded(std::string_view text, int digits) {
    TCommand c = WithValues({7, 7, 7});
    DecodeCode(text, digits, c);
    return {c.Code.begin(), c.Code.begin() + c.Count()};
}

} // namespace

TEST(CodeCodec, WidthOfTheWidestValue) {
    const TCommand three = WithValues({5, 419, 32});
    EXPECT_EQ(CodeDigits(three), 3);
    EXPECT_EQ(EncodeCode(three), "0051A3020");
    EXPECT_EQ(Decoded("0051A3020", 3), (std::vector<std::int32_t>{5, 419, 32}));

    const TCommand negative = WithValues({1, -1});
    EXPECT_EQ(CodeDigits(negative), 8);
    EXPECT_EQ(EncodeCode(negative), "00000001FFFFFFFF");
    EXPECT_EQ(Decoded("00000001FFFFFFFF", 8), (std::vector<std::int32_t>{1, -1}));

    EXPECT_EQ(EncodeCode(WithValues({0, 0})), "00");
    EXPECT_EQ(EncodeCode(WithValues({INT32_MIN})), "80000000");
    const TCommand never;
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
    TCommand full;
    for (int i = 0; i < kCodeCapacity; ++i)
        full.Code[static_cast<std::size_t>(i)] = i * 4099 - 2'000'000;
    full.LastIndex = kLastCodeIndex;
    const std::string text = EncodeCode(full);
    EXPECT_EQ(text.size(), 8u * kCodeCapacity);
    TCommand back;
    DecodeCode(text, CodeDigits(full), back);
    EXPECT_EQ(back.LastIndex, kLastCodeIndex);
    EXPECT_EQ(back.Code, full.Code);
    // More values than a record holds: the record keeps what fits.
    DecodeCode(text + "0000000100000002", 8, back);
    EXPECT_EQ(back.LastIndex, kLastCodeIndex);
}
