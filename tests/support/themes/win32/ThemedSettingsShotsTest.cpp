// The settings dialog's pages with and without the theme manager, at the DPI of the run, to
// look at: with it, the check boxes, labels and group boxes show the tab body under them.

#include "CommonControls6.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "support/themes/win32/StyleManager.h"
#include "support/themes/win32/ThemeServices.h"
#include "ui/lang/TempFolder.h"
#include "ui/settings/win32/FakeSettingsFormHost.h"
#include "ui/settings/win32/SettingsForm.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

using namespace tav;
using namespace tav::themes;

namespace {

struct ThemedSettingsDpi : ::testing::Test {
    TSeamScope<ComCtlVersionFn> version{ComCtlVersionSeam(), [] { return DWORD{0x60000}; }};
    test::FakeSettingsFormHost host;
    test::TempFolder program;
    test::CommonControls6 controls6{program};
    const TSettingsFormPlaces places{program.Path().string(), "\\NoAppEvents"};

    ThemedSettingsDpi() { GetThemeServices().RefreshThemeState(); }

    // Shows `form` on its general page and returns the picture of it.
    static test::RgbImage Shoot(TSettingsForm& form, const std::string& name) {
        SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        form.Show();
        form.PageCtrl->SetActivePage(form.GeneralTab);
        RedrawWindow(form.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        test::PumpFor(std::chrono::milliseconds(60));
        EXPECT_NO_THROW(test::SaveScreenshot(form.Handle(), name));
        return test::CaptureClientArea(form.Handle());
    }
};

// A point of `control`'s client area in its form's client area.
POINT InForm(TControl& control, POINT p) {
    MapWindowPoints(control.Handle(), control.ParentForm()->Handle(), &p, 1);
    return p;
}

// What the tab control itself paints at `p` of its client area (its pane, under the pages).
COLORREF PaneAt(TPageControl& pages, POINT p) {
    RECT client{};
    GetClientRect(pages.Handle(), &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(pages.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF colour = GetPixel(dc, p.x, p.y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The page's background, right of the check box's caption, at the end of a label and below
// the group box, and the tab control's own pane there.
struct Backgrounds {
    COLORREF page, check, label, pane;
};
Backgrounds BackgroundsOf(TSettingsForm& form, const test::RgbImage& image) {
    RECT sheet{}, check{}, label{};
    GetClientRect(form.GeneralTab->Handle(), &sheet);
    GetClientRect(form.LaunchChBx->Handle(), &check);
    GetClientRect(form.LanguageLbl->Handle(), &label);
    const POINT blank{sheet.right / 2, sheet.bottom - 8};
    POINT inPages = blank;
    MapWindowPoints(form.GeneralTab->Handle(), form.PageCtrl->Handle(), &inPages, 1);
    return {test::PixelAt(image, InForm(*form.GeneralTab, blank)),
            test::PixelAt(image, InForm(*form.LaunchChBx, {check.right - 2, check.bottom / 2})),
            test::PixelAt(image, InForm(*form.LanguageLbl, {label.right - 1, 1})),
            PaneAt(*form.PageCtrl, inPages)};
}

TEST_F(ThemedSettingsDpi, TheGeneralPageIsSavedWithAndWithoutTheManager) {
    ASSERT_TRUE(controls6.Active());
    {
        TSettingsForm plain(nullptr, host.settings, host, places);
        const Backgrounds b = BackgroundsOf(plain, Shoot(plain, "settings-general-unmanaged"));
        EXPECT_NE(b.page, b.pane) << "without the manager the page hides the tab's pane";
    }
    std::unique_ptr<TStyleManager> manager(new TStyleManager(&Application()));
    TSettingsForm themed(nullptr, host.settings, host, places);
    test::PumpFor(std::chrono::milliseconds(20));
    ASSERT_TRUE(manager->TakenOver(themed.OptionsGrpBx));
    const Backgrounds b = BackgroundsOf(themed, Shoot(themed, "settings-general-managed"));
    EXPECT_EQ(b.page, b.pane) << "the page shows the tab's pane";
    EXPECT_EQ(b.check, b.pane) << "no box of its own around the check box";
    EXPECT_EQ(b.label, b.pane) << "nor around the label";
}

} // namespace
