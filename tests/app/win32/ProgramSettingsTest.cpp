// The settings dialog of the whole program under Wine, reached through its menu.

#include "ProgramProcess.h"

#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/Screenshot.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace tav;

namespace {

TEST(ProgramSettings, FileSettingsOpensTheDialogOnItsGeneralPageAndAcceptClosesIt) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    TRegistryStore store(kSettingsKey);
    store.WriteBoolSetting("Hide splashscreen", true);
    store.WriteBoolSetting("Use serial port", false);
    test::ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // File > Settings... by its shortcut: Wine keeps a program's menus to the program itself.
    SetForegroundWindow(main);
    ASSERT_TRUE(
        test::WaitForWindow([&] { return GetForegroundWindow() == main ? main : nullptr; }, 5000));
    keybd_event(VK_CONTROL, 0, 0, 0);
    keybd_event('E', 0, 0, 0);
    keybd_event('E', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    const DWORD pid = program.info.dwProcessId;
    HWND dialog = test::WaitForShownWindow(pid, "Settings");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the dialog is modal";
    HWND pages = test::FindDescendant(dialog, WC_TABCONTROLA, "");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(SendMessageA(pages, TCM_GETCURSEL, 0, 0), 0);
    HWND launch = test::FindDescendant(dialog, "Button", "Launch on Windows &startup");
    ASSERT_NE(launch, nullptr);
    EXPECT_TRUE(IsWindowVisible(launch)) << "the General page shows";
    // Styled, with the common controls of the program's manifest: the page and the check boxes
    // on it show the tab's pane, not the dialog face.
    HWND sheet = launch;
    while (sheet != nullptr && GetParent(sheet) != pages)
        sheet = GetParent(sheet);
    ASSERT_NE(sheet, nullptr);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::SaveScreenshot(dialog, "program-settings-general");
    const test::RgbImage shot = test::CaptureClientArea(dialog);
    const auto colourAt = [&](HWND wnd, POINT p) {
        MapWindowPoints(wnd, dialog, &p, 1);
        return test::PixelAt(shot, p);
    };
    RECT page{}, box{};
    GetClientRect(sheet, &page);
    GetClientRect(launch, &box);
    const COLORREF blank = colourAt(sheet, {page.right / 2, page.bottom - 8});
    EXPECT_NE(blank, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(colourAt(launch, {box.right - 2, box.bottom / 2}), blank);
    HWND accept = test::FindDescendant(dialog, "Button", "&Accept");
    ASSERT_NE(accept, nullptr);
    SendMessageA(accept, BM_CLICK, 0, 0);
    EXPECT_TRUE(test::WaitForHidden(dialog));
    EXPECT_TRUE(IsWindowEnabled(main));
    // The main window's button opens it as well.
    HWND button = test::FindDescendant(main, "Button", "Settin&gs...");
    ASSERT_NE(button, nullptr);
    PostMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(test::WaitForShownWindow(pid, "Settings"), dialog);
    PostMessageA(accept, BM_CLICK, 0, 0);
    EXPECT_TRUE(test::WaitForHidden(dialog));
    EXPECT_EQ(program.CloseAndWait(main), 0);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
}

} // namespace
