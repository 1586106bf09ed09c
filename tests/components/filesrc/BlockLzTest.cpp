#include "components/filesrc/BlockLz.h"
#include "components/filesrc/FileData.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace tav;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Compress(const std::string& source) {
    TBlockLzCompressor compressor;
    TBlockBuffer block{};
    const std::size_t size = compressor.Compress(
        {reinterpret_cast<const std::uint8_t*>(source.data()), source.size()}, block);
    return Bytes(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(size));
}

std::string Decompress(const Bytes& block, std::size_t room = kMaxBlockSource) {
    std::string out(room, '\0');
    out.resize(BlockLzDecompress(block, {reinterpret_cast<std::uint8_t*>(out.data()), room}));
    return out;
}

// Runs, repeats near and far, and noise of a few or of all byte values: every kind of item.
std::string Mixed(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string text = "x";
    while (text.size() < size) {
        if (const unsigned kind = random() % 4; kind == 0)
            text.append(16 + random() % 5000, static_cast<char>(random()));
        else if (kind == 1)
            text += text.substr(random() % text.size(), 3 + random() % 40);
        else
            for (unsigned n = random() % 300; n > 0; --n)
                text += static_cast<char>(random() % (kind == 2 ? 4 : 256));
    }
    text.resize(size);
    return text;
}

TEST(BlockLz, KnownBlocksAndRandomOnesComeBackWhole) {
    EXPECT_EQ(Compress(std::string(20, 'a')), (Bytes{0x40, 0x80, 0x00, 0x00, 0x00, 0x04, 0x61}));
    EXPECT_EQ(Compress(std::string(15, 'a')), (Bytes{0x40, 0x40, 0x00, 0x61, 0x00, 0x1B}));
    EXPECT_EQ(Compress("abcabcabc"), (Bytes{0x40, 0x10, 0x00, 0x61, 0x62, 0x63, 0x00, 0x33}));
    EXPECT_EQ(Compress("x"), (Bytes{0x80, 'x'}));
    EXPECT_EQ(Compress("xy"), (Bytes{0x80, 'x', 'y'}));
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::string source = Mixed(1 + seed * 823 % kMaxBlockSource, seed);
        ASSERT_EQ(Decompress(Compress(source)), source) << "seed " << seed;
    }
}

TEST(BlockLz, DamagedBlocksAreRefused) {
    const Bytes damaged[] = {
        {0x40, 0x80, 0x00, 0x00, 0x10},             // a copy from before the first byte
        {0x40, 0x80, 0x00, 0x00, 0x0F, 0xFF, 0x61}, // a run past the room
        {0x40, 0x80, 0x00, 0x00, 0x00},             // a cut run
        {0x40, 0x00},                               // a cut control word
        {},
    };
    for (const Bytes& block : damaged)
        EXPECT_THROW(Decompress(block, 100), ECarriedFileError);
    EXPECT_THROW(Decompress({0x80, 1, 2, 3}, 2), ECarriedFileError);
}

TEST(CompressStream, FilesGoInChunksOf32768) {
    EXPECT_EQ(EncodeFileData("", true), std::string("VIZI10\0\0\0\0", 10));
    EXPECT_EQ(EncodeFileData("", false), std::string(4, '\0'));
    const std::string file = Mixed(40000, 3);
    const std::string packed = EncodeFileData(file, true);
    const Bytes first = Compress(file.substr(0, 32768));
    const Bytes second = Compress(file.substr(32768));
    TByteReader in(packed);
    in.Read(6);
    EXPECT_EQ(in.ReadInt32(), static_cast<std::int32_t>(first.size() + second.size() + 8));
    EXPECT_EQ(in.ReadInt32(), static_cast<std::int32_t>(first.size()));
    EXPECT_EQ(in.Read(first.size()), std::string(first.begin(), first.end()));
    EXPECT_EQ(in.ReadInt32(), static_cast<std::int32_t>(second.size()));
    EXPECT_EQ(DecodeFileData(packed, true), file);

    // Noise does not compress: a 32768-byte chunk of it is stored in 32769 bytes, and read back.
    std::mt19937 random(5);
    std::string noise(70000, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const std::string stored = EncodeFileData(noise, true);
    EXPECT_EQ(TByteReader(std::string_view(stored).substr(10)).ReadInt32(), 32769);
    EXPECT_EQ(DecodeFileData(stored, true), noise);
    EXPECT_EQ(DecodeFileData(EncodeFileData(noise, false), false), noise);
}

TEST(CompressStream, DamagedPayloadsAreRefused) {
    auto payload = [](std::int32_t total, std::int32_t size, const std::string& block) {
        std::string p = "VIZI10";
        AppendInt32(p, total);
        AppendInt32(p, size);
        return p + block;
    };
    EXPECT_EQ(DecodeFileData(payload(8, 4, "\x80xyz"), true), "xyz");
    const std::pair<std::string, const char*> damaged[] = {
        {"VIZI11" + std::string(4, '\0'), "Wrong file type"},
        {payload(40000, 32770, std::string(32770, '\x80')), "Block size out of range"},
        {payload(-1, 4, "\x80xyz"), "Corrupt compressed data"},
        {payload(7, 4, "\x80xyz"), "Corrupt compressed data"},
        {payload(16, 4, "\x80xyz"), "The carried data end too early"},
        {std::string("\x10\0\0\0MZ", 6), "The carried data end too early"},
    };
    for (const auto& [bytes, message] : damaged) {
        try {
            DecodeFileData(bytes, bytes.starts_with("VIZI"));
            ADD_FAILURE() << message;
        } catch (const ECarriedFileError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

} // namespace
