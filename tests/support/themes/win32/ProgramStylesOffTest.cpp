// Started with the desktop's visual styles off, the theme manager leaves every control as it
// looks without it. The styles are switched in the prefix's registry and read by the library
// when a process starts, so the test runs a second test process; no other test runs meanwhile.

#include "CommonControls6.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "support/themes/win32/StyleManager.h"
#include "support/themes/win32/ThemeServices.h"
#include "support/themes/win32/UxTheme.h"
#include "ui/settings/win32/FakeSettingsFormHost.h"
#include "ui/settings/win32/SettingsForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

using namespace tav;
using namespace tav::themes;

namespace {

const char* const kThemeKey = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
const char* const kChildVariable = "TAVRILO_STYLES_OFF_CHILD";

std::optional<std::string> ReadThemeActive() {
    char value[16] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kThemeKey, "ThemeActive", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(value);
}

void WriteThemeActive(const std::optional<std::string>& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(key, "ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>(value->size() + 1));
    else
        RegDeleteValueA(key, "ThemeActive");
    RegCloseKey(key);
}

test::RgbImage ShootGeneralPage(TSettingsForm& form) {
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    form.Show();
    form.PageCtrl->SetActivePage(form.GeneralTab);
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::PumpFor(std::chrono::milliseconds(60));
    return test::CaptureClientArea(form.Handle());
}

TEST(ProgramStylesOff, TheManagedSettingsDialogLooksAsTheUnmanagedOne) {
    if (std::getenv(kChildVariable) == nullptr) {
        // The parent: switch the styles off, run this test again in a process of its own.
        const std::optional<std::string> saved = ReadThemeActive();
        WriteThemeActive("0");
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string command = std::string("\"") + self +
                              "\" --gtest_filter=ProgramStylesOff.TheManagedSettingsDialogLooksAs"
                              "TheUnmanagedOne";
        SetEnvironmentVariableA(kChildVariable, "1");
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child{};
        const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                            nullptr, nullptr, &startup, &child);
        SetEnvironmentVariableA(kChildVariable, nullptr);
        DWORD code = 1;
        if (started) {
            if (WaitForSingleObject(child.hProcess, 90000) != WAIT_OBJECT_0)
                TerminateProcess(child.hProcess, 2);
            GetExitCodeProcess(child.hProcess, &code);
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
        WriteThemeActive(saved);
        ASSERT_TRUE(started);
        EXPECT_EQ(code, 0u) << "the test in the process without styles failed";
        return;
    }
    TSeamScope<ComCtlVersionFn> version{ComCtlVersionSeam(), [] { return DWORD{0x60000}; }};
    ASSERT_FALSE(UxThemeActive() && LoadUxTheme() && UxThemeActive());
    test::FakeSettingsFormHost host;
    test::TempFolder program;
    test::CommonControls6 controls6{program};
    const TSettingsFormPlaces places{program.Path().string(), "\\NoAppEvents"};
    test::RgbImage plain;
    {
        TSettingsForm form(nullptr, host.settings, host, places);
        plain = ShootGeneralPage(form);
    }
    std::unique_ptr<TStyleManager> manager(new TStyleManager(&Application()));
    ASSERT_FALSE(GetThemeServices().ThemesActive());
    TSettingsForm form(nullptr, host.settings, host, places);
    test::PumpFor(std::chrono::milliseconds(20));
    ASSERT_TRUE(manager->TakenOver(form.OptionsGrpBx)) << "taken over, drawn as before";
    const test::RgbImage managed = ShootGeneralPage(form);
    test::SaveScreenshot(form.Handle(), "settings-general-styles-off");
    ASSERT_EQ(managed.width, plain.width);
    ASSERT_EQ(managed.height, plain.height);
    EXPECT_TRUE(managed.rgb == plain.rgb);
}

} // namespace
