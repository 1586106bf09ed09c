#include "framework/Png.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

namespace tav::test {

namespace {

std::uint32_t Crc32(std::string_view bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes) {
    // Reduced at every byte: the sums of a large image overflow 32 bits otherwise.
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : bytes) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& png, std::string_view type, std::string_view data) {
    PutBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type) + std::string(data);
    png += body;
    PutBigEndian(png, Crc32(body));
}

// A zlib stream of stored deflate blocks: a screenshot's size matters less than a writer
// small enough to trust.
std::string StoredZlib(std::string_view raw) {
    constexpr std::size_t maxBlock = 65535;
    std::string out = "\x78\x01";
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(raw.size() - at, maxBlock);
        const bool last = at + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw.substr(at, length));
        at += length;
    } while (at < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

} // namespace

std::string EncodePng(const RgbImage& image) {
    const std::uint64_t rowBytes = std::uint64_t{image.width} * 3;
    if (image.width == 0 || image.height == 0 || image.rgb.size() != rowBytes * image.height)
        throw std::invalid_argument("PNG: the pixels do not match a non-empty image's size");
    // Every row starts with its filter type, 0 (none).
    std::string raw;
    raw.reserve(image.height * (rowBytes + 1));
    for (std::uint32_t y = 0; y < image.height; ++y) {
        raw += '\0';
        raw.append(image.rgb, y * rowBytes, rowBytes);
    }
    std::string header;
    PutBigEndian(header, image.width);
    PutBigEndian(header, image.height);
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits a channel, RGB, no interlace
    std::string png = "\x89PNG\r\n\x1A\n";
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", StoredZlib(raw));
    AppendChunk(png, "IEND", "");
    return png;
}

} // namespace tav::test
