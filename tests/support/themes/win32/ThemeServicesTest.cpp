// The visual-style library and the theme services against Wine's own library and the prefix's
// active "Light" style.

#include "support/themes/win32/ThemeServices.h"
#include "framework/win32/Forms.h"
#include "support/themes/win32/UxTheme.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::themes;

namespace {

constexpr DWORD kVersion6 = 0x60000;
constexpr DWORD kVersion582 = 0x50052;

TEST(UxThemeBinding, TheLastReferenceFreesTheLibraryAndOneTooManyChangesNothing) {
    ASSERT_EQ(UxThemeReferences(), 0) << "nothing of this test's process holds the library";
    ASSERT_TRUE(LoadUxTheme());
    ASSERT_TRUE(LoadUxTheme());
    UnloadUxTheme();
    EXPECT_TRUE(UxThemeLoaded());
    EXPECT_TRUE(UxThemeActive()) << "the prefix's style";
    UnloadUxTheme();
    EXPECT_FALSE(UxThemeLoaded());
    UnloadUxTheme();
    EXPECT_EQ(UxThemeReferences(), 0);
    EXPECT_FALSE(UxThemeActive());
    EXPECT_EQ(ux::OpenThemeData(Application().Handle(), L"button"), nullptr)
        << "an entry of a freed library is empty, and calling it is safe";
    EXPECT_EQ(ux::CloseThemeData(reinterpret_cast<HTHEME>(1)), E_FAIL);
}

TEST(ThemeServices, TheLoadedCommonControlsSayWhichVersionTheyAre) {
    const DWORD version = ComCtlVersionSeam().Default()();
    EXPECT_GE(version, 0x50050u) << std::hex << version;
}

TEST(ThemeServices, WithVersion6AndAStyleActiveHandlesOpenOnceAndAThemeChangeClosesThem) {
    TSeamScope version(ComCtlVersionSeam(), ComCtlVersionFn([] { return kVersion6; }));
    TThemeServices services(Application().Handle());
    ASSERT_TRUE(services.ThemesActive());
    int changes = 0;
    services.OnThemeChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &services);
        ++changes;
    };
    HTHEME button = services.Theme(tcButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(services.Theme(tcButton), button) << "cached";
    ASSERT_NE(services.Theme(tcTab), nullptr);
    SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(services.CachedTheme(tcButton), nullptr);
    EXPECT_EQ(services.CachedTheme(tcTab), nullptr);
    EXPECT_NE(services.Theme(tcButton), nullptr) << "opened again when asked for";
    EXPECT_EQ(services.Theme(kThemeClassCount), nullptr);
}

TEST(ThemeServices, OlderCommonControlsMeanNoStylesAndNoHandleIsOpened) {
    TSeamScope version(ComCtlVersionSeam(), ComCtlVersionFn([] { return kVersion582; }));
    TThemeServices services(Application().Handle());
    EXPECT_TRUE(services.LibraryLoaded());
    EXPECT_FALSE(services.StylesInUse()) << "the system's style is on, the controls too old";
    EXPECT_FALSE(services.ThemesActive());
    for (int c = 0; c < kThemeClassCount; ++c) {
        EXPECT_EQ(services.Theme(c), nullptr) << c;
        EXPECT_EQ(services.CachedTheme(c), nullptr) << c;
    }
}

TEST(ThemeServices, AfterShutdownAThemeChangeReachesNothingAndTheLibraryCanGo) {
    TSeamScope version(ComCtlVersionSeam(), ComCtlVersionFn([] { return kVersion6; }));
    const int before = UxThemeReferences();
    TThemeServices services(Application().Handle());
    // One that is still watching when the library goes.
    TThemeServices leftOver(Application().Handle());
    ASSERT_NE(leftOver.Theme(tcTab), nullptr);
    ASSERT_NE(services.Theme(tcButton), nullptr);
    int changes = 0;
    services.OnThemeChange = [&](TObject*) { ++changes; };
    services.Shutdown();
    EXPECT_FALSE(services.Hooked());
    EXPECT_EQ(services.CachedTheme(tcButton), nullptr);
    EXPECT_EQ(UxThemeReferences(), before + 1);
    EXPECT_FALSE(services.ThemesActive());
    UnloadUxThemeCompletely();
    SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(services.Theme(tcButton), nullptr);
    EXPECT_FALSE(leftOver.StylesInUse()) << "its refresh found no library and called none";
    EXPECT_EQ(leftOver.CachedTheme(tcTab), nullptr);
    EXPECT_EQ(leftOver.Theme(tcTab), nullptr);
}

} // namespace
