#include "components/cipher/QuelEncryption.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace tav;

namespace {

std::string RunCipher(TQuelEncryption& q, TActionType action, const std::string& input) {
    q.SetAction(action);
    q.SetInput(input);
    EXPECT_TRUE(q.Execute()) << input;
    return q.Output();
}

} // namespace

TEST(QuelEncryption, EveryByteRoundTripsFromEveryStartingByte) {
    TQuelEncryption q;
    q.SetKey("k\xFF");
    for (int first = 0; first < 256; ++first) {
        q.SetRandomSource([first] { return static_cast<std::uint8_t>(first); });
        std::string all;
        for (int c = 1; c < 256; ++c)
            all.push_back(static_cast<char>(c));
        const std::string cipher = *q.Crypt(all, q.Key(), true);
        ASSERT_EQ(cipher.size(), 2 + 2 * all.size());
        ASSERT_EQ(q.Crypt(cipher, q.Key(), false), all) << "first byte " << first;
        for (int c = 1; c < 256; ++c) {
            const std::string one(1, static_cast<char>(c));
            ASSERT_EQ(q.Crypt(*q.Crypt(one, "Z", true), "Z", false), one)
                << "first " << first << " char " << c;
        }
    }
}

TEST(QuelEncryption, KnownCipherTextAndKeyCycling) {
    TQuelEncryption q;
    q.SetRandomSource([] { return std::uint8_t{0x10}; });
    // b = 0x10; 'A' (0x41): (0x10+0x41)%255 = 0x51 ^ 'I' (0x49) = 0x18; ...
    EXPECT_EQ(*q.Crypt("A", "", true), "1018");
    const std::string viaDefault = *q.Crypt("secret", "", true);
    EXPECT_EQ(*q.Crypt("secret", "Ina Vok", true), viaDefault);
    EXPECT_NE(*q.Crypt("secret", "Ina", true), viaDefault);
    // A key is cycled: "ab" over four characters equals "abab"; longer keys are cut.
    EXPECT_EQ(*q.Crypt("wxyz", "ab", true), *q.Crypt("wxyz", "abab", true));
    EXPECT_EQ(*q.Crypt("wx", "ab", true), *q.Crypt("wx", "abXYZ", true));
    EXPECT_EQ(*q.Crypt("", "ab", true), "10");
}

TEST(QuelEncryption, ComponentUse) {
    TQuelEncryption q;
    EXPECT_EQ(q.Action(), TActionType::atEncryption);
    const std::string first = RunCipher(q, TActionType::atEncryption, "abc");
    EXPECT_EQ(first.size(), 8u);
    EXPECT_EQ(first.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    std::string second;
    for (int i = 0; i < 8 && (second.empty() || second == first); ++i) {
        q.SetInput("");
        second = RunCipher(q, TActionType::atEncryption, "abc");
    }
    EXPECT_NE(first, second); // a fresh leading byte each time
    EXPECT_EQ(RunCipher(q, TActionType::atDecryption, first), "abc");
    EXPECT_EQ(RunCipher(q, TActionType::atDecryption, second), "abc");
    std::string lower = second;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(RunCipher(q, TActionType::atDecryption, lower), "abc");
    EXPECT_EQ(RunCipher(q, TActionType::atDecryption, ""), "");
    EXPECT_EQ(RunCipher(q, TActionType::atEncryption, ""), "");
}

TEST(QuelEncryption, CodeZeroComesBackAs255) {
    TQuelEncryption q;
    q.SetRandomSource([] { return std::uint8_t{0xFF}; });
    EXPECT_EQ(*q.Crypt(*q.Crypt(std::string(1, '\0'), "k", true), "k", false), "\xFF");
}

TEST(QuelEncryption, MalformedCipherTextFailsWithoutOutput) {
    TQuelEncryption q;
    q.SetAction(TActionType::atDecryption);
    for (const char* bad : {"1", "12", "12G4", "12 4", "zz00", "12345G"}) {
        q.SetOutput("stale");
        q.SetInput(bad);
        EXPECT_FALSE(q.Execute()) << bad;
        EXPECT_EQ(q.Output(), "") << bad;
        EXPECT_FALSE(q.Crypt(bad, "", false)) << bad;
    }
}

TEST(QuelEncryption, OddLengthReadsTheLastDigitAlone) {
    TQuelEncryption q;
    // b = 0x12; the lone "3" is the value 3: 3 ^ 'k' (0x6B) = 0x68, 0x68 - 0x12 = 0x56.
    EXPECT_EQ(q.Crypt("123", "k", false), std::string("\x56"));
    // The pairs as usual, then "5" against the second key character.
    const std::string pairs = *q.Crypt("1234", "kz", false);
    const unsigned last = (5u ^ 'z') + 255u - 0x34u;
    EXPECT_EQ(q.Crypt("12345", "kz", false), pairs + static_cast<char>(last % 255));
}
