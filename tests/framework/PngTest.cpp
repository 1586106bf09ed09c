#include "framework/Png.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using tav::test::EncodePng;
using tav::test::RgbImage;

namespace {

std::uint32_t BigEndianAt(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

TEST(Png, OnePixelIsByteForByteWhatZlibWrites) {
    // Made with Python's zlib (level 0) and crc32: pins the chunk layout and both checksums.
    const char expected[] =
        "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52\x00\x00\x00\x01\x00"
        "\x00\x00\x01\x08\x02\x00\x00\x00\x90\x77\x53\xDE\x00\x00\x00\x0F\x49\x44\x41\x54\x78"
        "\x01\x01\x04\x00\xFB\xFF\x00\xC8\x1E\x3C\x02\xD4\x01\x23\x2C\x4D\xA9\xFE\x00\x00\x00"
        "\x00\x49\x45\x4E\x44\xAE\x42\x60\x82";
    EXPECT_EQ(EncodePng({1, 1, "\xC8\x1E\x3C"}), std::string(expected, sizeof(expected) - 1));

    EXPECT_THROW(EncodePng({2, 1, "\xC8\x1E\x3C"}), std::invalid_argument);
    EXPECT_THROW(EncodePng({0, 0, ""}), std::invalid_argument);
}

TEST(Png, PixelsBeyondOneStoredBlockGoOnInTheNextAndTheChecksumStaysRight) {
    RgbImage image{30000, 1, {}};
    for (std::uint32_t i = 0; i < image.width * 3; ++i)
        image.rgb += static_cast<char>(i * 7 % 251);
    const std::string png = EncodePng(image);

    const std::size_t idat = 8 + 25; // signature, IHDR chunk
    ASSERT_EQ(png.substr(idat + 4, 4), "IDAT");
    const std::string zlib = png.substr(idat + 8, BigEndianAt(png, idat));
    std::string inflated;
    std::vector<std::size_t> blocks;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        ASSERT_LT(at + 5, zlib.size());
        last = zlib[at] & 1;
        const auto length = static_cast<std::size_t>(static_cast<unsigned char>(zlib[at + 1]) |
                                                     static_cast<unsigned char>(zlib[at + 2]) << 8);
        const auto check = static_cast<std::size_t>(static_cast<unsigned char>(zlib[at + 3]) |
                                                    static_cast<unsigned char>(zlib[at + 4]) << 8);
        ASSERT_EQ(length ^ check, 0xFFFFu);
        inflated += zlib.substr(at + 5, length);
        blocks.push_back(length);
        at += 5 + length;
    }
    EXPECT_EQ(blocks, (std::vector<std::size_t>{65535, 90001 - 65535}));
    EXPECT_EQ(inflated, '\0' + image.rgb);
    // Adler-32 of the row, from Python's zlib.
    EXPECT_EQ(at + 4, zlib.size());
    EXPECT_EQ(BigEndianAt(zlib, at), 0xBA99B1D7u);
}
