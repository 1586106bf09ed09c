#include "ui/osd/win32/OnScreenDisplay.h"

#include "engine/RecognitionFakes.h"
#include "engine/settings/FakeSettingsStore.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "framework/win32/Seams.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct OnScreenDisplay : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    tav::testing::FakeErrors errors;
    int boxes = 0;
    TSeamScope<MessageBoxFn> noBoxes{MessageBoxSeam(), [this](auto&&...) {
                                         ++boxes;
                                         return IDOK;
                                     }};
    TOnScreenDisplay osd{nullptr, settings, errors};

    HWND Window() const { return osd.Handle(); }
    bool Visible() const { return IsWindowVisible(Window()) != FALSE; }
    RECT Rect() const {
        RECT r{};
        GetWindowRect(Window(), &r);
        return r;
    }
    SIZE ShownSize(const std::string& text) {
        osd.ShowOSD(text);
        const RECT r = Rect();
        return {r.right - r.left, r.bottom - r.top};
    }
};

// A plain white window over the whole screen, in front, for the display to be seen against.
struct WhiteScreen {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ~WhiteScreen() { DestroyWindow(window); }
};

struct Colours {
    int font = 0;
    int white = 0;
};
Colours CountColours(const test::RgbImage& screen, const RECT& r, COLORREF font) {
    Colours c;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(screen.rgb.data()) +
                            (static_cast<std::size_t>(y) * screen.width + x) * 3;
            if (p[0] == GetRValue(font) && p[1] == GetGValue(font) && p[2] == GetBValue(font))
                ++c.font;
            else if (p[0] == 255 && p[1] == 255 && p[2] == 255)
                ++c.white;
        }
    return c;
}

} // namespace

// Runs alone: it needs the keyboard focus and the screen to itself.
using OnScreenDisplayKeys = OnScreenDisplay;

TEST_F(OnScreenDisplayKeys, TheTextShowsGlyphShapedCentredOnTopAndWithoutTakingTheFocus) {
    WhiteScreen white;
    SetForegroundWindow(white.window);
    ASSERT_TRUE(test::PumpUntil([&] { return GetForegroundWindow() == white.window; }, 2s));
    osd.ShowOSD("Tavrilo 4.0");
    test::PumpFor(200ms);

    EXPECT_TRUE(Visible());
    EXPECT_EQ(GetForegroundWindow(), white.window) << "the display never takes the focus";
    EXPECT_TRUE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT r = Rect();
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Window(), region), COMPLEXREGION);
    DeleteObject(region);

    const test::RgbImage screen = test::CaptureClientArea(GetDesktopWindow());
    const Colours green = CountColours(screen, r, RGB(0, 255, 0));
    EXPECT_GT(green.font, 100) << "the glyphs in the font colour";
    EXPECT_GT(green.white, 100) << "the screen behind shows between the glyphs";
    test::SaveScreenshot(GetDesktopWindow(), "osd-centred");

    settings.SetInt("OSD font color", static_cast<std::int32_t>(RGB(255, 0, 0)));
    osd.ShowOSD("Tavrilo 4.0");
    test::PumpFor(100ms);
    const Colours red =
        CountColours(test::CaptureClientArea(GetDesktopWindow()), r, RGB(255, 0, 0));
    EXPECT_EQ(red.font, green.font) << "a new colour from the settings fills the same glyphs";
}

TEST_F(OnScreenDisplay, TextWithoutAGlyphShowsNothingAndTheLastLineEndsDoNotCount) {
    const SIZE plain = ShownSize("Volume");
    const SIZE ended = ShownSize("Volume\r\n");
    EXPECT_EQ(ended.cx, plain.cx);
    EXPECT_EQ(ended.cy, plain.cy);
    const SIZE twoLines = ShownSize("Volume\r\n(50%)");
    EXPECT_GE(twoLines.cy, 2 * plain.cy - 2) << "each line drawn where it was measured";
    EXPECT_LT(twoLines.cx, 2 * plain.cx);

    osd.ShowOSD(" \r\n\t");
    EXPECT_FALSE(Visible());
    osd.ShowOSD("");
    EXPECT_FALSE(Visible());
    EXPECT_EQ(boxes, 0);
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(OnScreenDisplay, TheDisplayHidesAfterItsTimeAndForgetsTheSuffix) {
    settings.SetInt("OSD display time", 300);
    osd.SetSuffix("(50%)");
    osd.ShowOSD("Volume, (50%)");
    test::PumpFor(200ms);
    osd.ShowOSD("Volume, (55%)");
    test::PumpFor(200ms);
    EXPECT_TRUE(Visible()) << "each text restarts the full time";
    EXPECT_TRUE(test::PumpUntil([&] { return !Visible(); }, 2s));
    EXPECT_EQ(osd.Suffix(), "");

    settings.SetInt("OSD display time", 0);
    osd.ShowOSD("Stays");
    test::PumpFor(400ms);
    EXPECT_TRUE(Visible()) << "no time: shown until the next text";
}

namespace {

// Makes no region while `fail` is set, or the one `shape` makes for the font's height in pixels
// while that is set; notes the font each text is drawn with, its height, and the region it made
// last.
struct WatchedDisplay : TOnScreenDisplay {
    using TOnScreenDisplay::TOnScreenDisplay;
    bool fail = false;
    std::function<HRGN(int height)> shape;
    HRGN made = nullptr;
    std::vector<HGDIOBJ> fonts;
    std::vector<int> heights;
    HRGN GlyphRegion(HDC dc, const std::string& text, RECT& box) override {
        fonts.push_back(GetCurrentObject(dc, OBJ_FONT));
        LOGFONTA font{};
        GetObjectA(fonts.back(), sizeof font, &font);
        heights.push_back(std::abs(font.lfHeight));
        if (fail) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        if (!shape)
            return made = TOnScreenDisplay::GlyphRegion(dc, text, box);
        made = shape(heights.back());
        GetRgnBox(made, &box);
        return made;
    }
};

// A comb of 200 slanting teeth `height` pixels long: no two of its rows are alike, so its
// region is some 200 rectangles a row.
HRGN Comb(int height) {
    std::vector<POINT> points{{0, height + 1}};
    for (int i = 0; i < 200; ++i) {
        points.push_back({4 * i, 0});
        points.push_back({4 * i + 2, 0});
        points.push_back({4 * i + 2 + height, height});
        points.push_back({4 * i + 4 + height, height});
    }
    points.push_back({800 + height, height + 1});
    return CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
}

DWORD Rectangles(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window, region);
    const DWORD size = GetRegionData(region, 0, nullptr);
    DeleteObject(region);
    return (size - sizeof(RGNDATAHEADER)) / sizeof(RECT);
}

} // namespace

TEST_F(OnScreenDisplay, ATextThatCannotBeShapedIsReportedOnceAndShowsNothing) {
    WatchedDisplay shapes(nullptr, settings, errors);
    shapes.fail = true;
    shapes.ShowOSD("One");
    shapes.ShowOSD("Two");
    EXPECT_FALSE(IsWindowVisible(shapes.Handle()));
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_NE(errors.shown[0].find("One"), std::string::npos);
    EXPECT_EQ(boxes, 0) << "no box at each text";

    shapes.fail = false;
    shapes.ShowOSD("Three");
    EXPECT_TRUE(IsWindowVisible(shapes.Handle()));
    shapes.fail = true;
    shapes.ShowOSD("Four");
    EXPECT_EQ(errors.shown.size(), 2u) << "a failure after a success is told again";
}

TEST_F(OnScreenDisplay, FontsAndBrushesThatAreNoLongerUsedAreFreed) {
    auto shapes = std::make_unique<WatchedDisplay>(nullptr, settings, errors);
    shapes->ShowOSD("First");
    const HGDIOBJ firstFont = shapes->fonts.back();
    const auto firstBrush =
        reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(shapes->Handle(), GCLP_HBRBACKGROUND));
    EXPECT_EQ(GetObjectType(firstFont), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetObjectType(firstBrush), static_cast<DWORD>(OBJ_BRUSH));

    settings.SetInt("OSD font size", 40);
    settings.SetInt("OSD font color", 0x123456);
    shapes->ShowOSD("Second");
    const HGDIOBJ secondFont = shapes->fonts.back();
    const auto secondBrush =
        reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(shapes->Handle(), GCLP_HBRBACKGROUND));
    EXPECT_NE(secondFont, firstFont);
    EXPECT_EQ(GetObjectType(firstFont), 0u);
    EXPECT_EQ(GetObjectType(firstBrush), 0u);

    shapes.reset();
    EXPECT_EQ(GetObjectType(secondFont), 0u);
    EXPECT_EQ(GetClassLongPtrA(osd.Handle(), GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(secondBrush));
    EXPECT_EQ(GetObjectType(secondBrush), static_cast<DWORD>(OBJ_BRUSH))
        << "the brush is the class's, and the other display still paints with it";
}

TEST(OnScreenDisplayClass, TheClassBrushGoesWithTheLastDisplay) {
    test::FakeSettingsStore store;
    TSettings settings{store};
    tav::testing::FakeErrors errors;
    auto osd = std::make_unique<TOnScreenDisplay>(nullptr, settings, errors);
    const auto brush =
        reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(osd->Handle(), GCLP_HBRBACKGROUND));
    ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    osd.reset();
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(OnScreenDisplay, AShapeTooComplexForTheWindowSystemIsFreedAndReportedNotShown) {
    WatchedDisplay shapes(nullptr, settings, errors);
    shapes.shape = [](int) { return Comb(200); };
    shapes.ShowOSD("Comb");
    test::PumpFor(100ms);
    EXPECT_FALSE(IsWindowVisible(shapes.Handle()));
    EXPECT_EQ(GetObjectType(shapes.made), 0u);
    EXPECT_EQ(errors.shown.size(), 1u);

    shapes.shape = [](int) { return Comb(10); };
    shapes.ShowOSD("Comb");
    EXPECT_TRUE(IsWindowVisible(shapes.Handle())) << "a shape the window system takes shows";
}

TEST_F(OnScreenDisplay, AShapeTheWindowDidNotTakeIsFreedAndReported) {
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    WatchedDisplay shapes(nullptr, settings, errors, owner);
    shapes.shape = [](int) { return CreateRectRgn(0, 0, 50, 20); };
    DestroyWindow(owner); // and the display's window with it
    ASSERT_FALSE(IsWindow(shapes.Handle()));
    shapes.ShowOSD("Gone");
    EXPECT_EQ(GetObjectType(shapes.made), 0u);
    EXPECT_EQ(errors.shown.size(), 1u);
}

TEST_F(OnScreenDisplay, AShapeOverWhatTheWindowSystemTakesIsMadeAgainAtASizeThatFits) {
    WatchedDisplay shapes(nullptr, settings, errors);
    settings.SetInt("OSD font size", 40);
    // Too many rectangles for a font higher than 40 pixels, such as one of 40 points.
    shapes.shape = [](int height) { return Comb(height > 40 ? 200 : 10); };
    shapes.ShowOSD("Comb");
    EXPECT_TRUE(IsWindowVisible(shapes.Handle()));
    EXPECT_TRUE(errors.shown.empty());
    ASSERT_EQ(shapes.heights.size(), 2u);
    EXPECT_LT(shapes.heights[1], shapes.heights[0]);
    EXPECT_LE(Rectangles(shapes.Handle()), 30000u);
}

TEST_F(OnScreenDisplay, APeersTextShowsWithinWhatTheWindowSystemTakesAndNeverRaisesAMessage) {
    settings.SetInt("OSD font size", 48);
    osd.ShowPeerText(std::string(255, '@'));
    EXPECT_TRUE(Visible());
    EXPECT_LE(Rectangles(Window()), 30000u);

    WatchedDisplay shapes(nullptr, settings, errors);
    shapes.fail = true;
    shapes.ShowPeerText("Peer");
    EXPECT_TRUE(errors.shown.empty());
    shapes.ShowOSD("Own");
    EXPECT_EQ(errors.shown.size(), 1u) << "the program's own text is told";
    EXPECT_EQ(boxes, 0);
}
