#include "app/IconResources.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kProgram = "Z:" TAVRILO_EXE_DIR "/Tavrilo.exe";

// The colour and transparency of every pixel of a 32x32 icon.
std::vector<std::uint32_t> Pixels(HICON icon) {
    std::vector<std::uint32_t> pixels(32 * 32);
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = 32;
    format.bmiHeader.biHeight = -32;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, info.hbmColor, 0, 32, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return rows == 32 ? pixels : std::vector<std::uint32_t>{};
}

// The pixels of the program's icon at `index`, as the shell extracts it.
std::vector<std::uint32_t> ExtractedIcon(int index) {
    HICON icon = nullptr;
    if (ExtractIconExA(kProgram.c_str(), index, &icon, nullptr, 1) != 1)
        return {};
    std::vector<std::uint32_t> pixels = Pixels(icon);
    DestroyIcon(icon);
    return pixels;
}

// The configuration files' association shows the program's icon 4.
TEST(ProgramIcons, IconFourIsTheDocumentIconAndIconZeroTheProgramsOwn) {
    EXPECT_EQ(ExtractIconExA(kProgram.c_str(), -1, nullptr, nullptr, 0), 5u);

    HMODULE program = LoadLibraryExA(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    auto resource = [&](const char* name) {
        HICON icon = static_cast<HICON>(LoadImageA(program, name, IMAGE_ICON, 32, 32, 0));
        std::vector<std::uint32_t> pixels = Pixels(icon);
        DestroyIcon(icon);
        return pixels;
    };
    const auto document = resource(MAKEINTRESOURCEA(TAVRILO_DOCUMENT_ICON));
    const auto application = resource("APPICON");
    FreeLibrary(program);

    ASSERT_FALSE(document.empty());
    EXPECT_EQ(ExtractedIcon(4), document);
    EXPECT_EQ(ExtractedIcon(0), application);
    for (int i = 0; i < 3; ++i) {
        const auto icon = ExtractedIcon(i);
        EXPECT_FALSE(icon.empty()) << i;
        EXPECT_NE(icon, document) << i;
    }
}

} // namespace
