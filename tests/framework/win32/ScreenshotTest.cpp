#include "framework/win32/Screenshot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace tav::test;

namespace {

constexpr COLORREF formColour = RGB(200, 30, 60);
constexpr COLORREF childColour = RGB(20, 160, 90);

HWND MakeWindow(const char* className, COLORREF colour, DWORD style, HWND parent, RECT place) {
    WNDCLASSA cls{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &cls)) {
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hbrBackground = CreateSolidBrush(colour);
        cls.lpszClassName = className;
        RegisterClassA(&cls);
    }
    return CreateWindowExA(0, className, "", style, place.left, place.top, place.right,
                           place.bottom, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string PixelAt(const RgbImage& image, std::uint32_t x, std::uint32_t y) {
    return image.rgb.substr((std::size_t{y} * image.width + x) * 3, 3);
}

std::uint32_t BigEndianAt(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string Rgb(COLORREF colour) {
    return {static_cast<char>(GetRValue(colour)), static_cast<char>(GetGValue(colour)),
            static_cast<char>(GetBValue(colour))};
}

} // namespace

// A suite name ending in "Dpi" also runs at 144 DPI: screenshots are taken there too.
TEST(ScreenshotDpi, SavesTheClientAreaWithItsChildrenAsAPngOfTheWindowsSize) {
    // Borderless, so the window's size is its client area's. Shown without taking the focus
    // from the tests running beside this one.
    HWND form = MakeWindow("ScreenshotForm", formColour, WS_POPUP, nullptr, {40, 40, 120, 80});
    MakeWindow("ScreenshotChild", childColour, WS_CHILD | WS_VISIBLE, form, {0, 0, 30, 20});
    ShowWindow(form, SW_SHOWNOACTIVATE);

    RECT bounds{};
    GetWindowRect(form, &bounds);
    const auto width = static_cast<std::uint32_t>(bounds.right - bounds.left);
    const auto height = static_cast<std::uint32_t>(bounds.bottom - bounds.top);

    const RgbImage image = CaptureClientArea(form);
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    // The child sits at the top left: rows are not upside down, channels not swapped.
    EXPECT_EQ(PixelAt(image, 2, 2), Rgb(childColour));
    EXPECT_EQ(PixelAt(image, width - 3, height - 3), Rgb(formColour));

    const std::string path = SaveScreenshot(form, "ScreenshotDpi");
    DestroyWindow(form);
    std::ifstream file(path, std::ios::binary);
    const std::string png{std::istreambuf_iterator<char>(file), {}};
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndianAt(png, 16), width);
    EXPECT_EQ(BigEndianAt(png, 20), height);
}
