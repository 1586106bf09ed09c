#pragma once
// PNG files of screenshots, written without an image library.

#include <cstdint>
#include <string>

namespace tav::test {

struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // Rows top to bottom, three bytes (red, green, blue) a pixel.
    std::string rgb;
};

// The whole file. Throws std::invalid_argument for an empty image or pixels that do not match
// the size.
std::string EncodePng(const RgbImage& image);

} // namespace tav::test
