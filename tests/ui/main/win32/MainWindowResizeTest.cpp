// The main window grown by its frame: what shows afterwards is what a full repaint draws.

#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(MainWindowResize, EveryControlIsDrawnAgainAtItsNewPlace) {
    test::MainFormKey key;
    TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
    TMainForm form(nullptr, key.Path());
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    form.Show();
    test::PumpFor(std::chrono::milliseconds(50));
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    // Steps, as a drag of the size grip makes them.
    for (int step = 1; step <= 4; ++step) {
        SetWindowPos(form.Handle(), nullptr, 0, 0, window.right - window.left + 25 * step,
                     window.bottom - window.top + 15 * step, SWP_NOMOVE | SWP_NOZORDER);
        test::PumpFor(std::chrono::milliseconds(20));
    }
    const test::RgbImage shown = test::CaptureClientArea(form.Handle());
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const test::RgbImage repainted = test::CaptureClientArea(form.Handle());
    ASSERT_EQ(shown.width, repainted.width);
    EXPECT_TRUE(shown.rgb == repainted.rgb) << "stale or missing pixels after the resize";
}

} // namespace
