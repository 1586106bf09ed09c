// The whole program under Wine's "Light" style: a desktop theme change while it runs, and its
// end afterwards, when the visual styles let go of their handles and the library.

#include "ProgramProcess.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::ProgramProcess;

namespace {

TEST(ProgramThemes, ADesktopThemeChangeWhileRunningAndTheEndAfterItGoWithoutAFault) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    ProgramProcess program;
    ASSERT_TRUE(program.started);
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // As the desktop does: every top-level window of the program hears of it.
    int told = 0;
    test::FindProcessWindowWhere(program.info.dwProcessId, [&](HWND wnd) {
        SendMessageTimeoutA(wnd, WM_THEMECHANGED, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        ++told;
        return false;
    });
    EXPECT_GE(told, 2) << "the application window and the main window";
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(program.CloseAndWait(main), 0);
}

} // namespace
