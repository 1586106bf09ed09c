// The whole program under Wine, typed into as a person types: a name prompt opened from the main
// window by its shortcut takes the typed name and Return.

#include "ProgramProcess.h"

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"
#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/RealKeys.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(ProgramNamePrompt, CtrlRATypedNameAndReturnNameTheNewRemote) {
    test::TempPath file{".tvr"}, backup{".tvr.bak"};
    ASSERT_TRUE(SaveConfigFile(TDocument{}, file.str(), {}).Ok);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    TRegistryStore store(kSettingsKey);
    store.WriteBoolSetting("Hide splashscreen", true);
    store.WriteBoolSetting("Use serial port", false);
    store.WriteStrSetting("LastTVRFile", file.str());
    test::ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(test::TakeForeground(main));

    test::TapKey('R', VK_CONTROL);
    HWND prompt = test::WaitForShownWindow(program.info.dwProcessId, "New remote");
    ASSERT_NE(prompt, nullptr);
    test::TypeText("Typed remote");
    test::TapKey(VK_RETURN);
    ASSERT_TRUE(test::WaitForHidden(prompt));
    test::TapKey('S', VK_CONTROL);
    EXPECT_TRUE(test::WaitForWindow(
        [&] {
            return test::ReadBytes(file.str()).find("Typed remote") != std::string::npos ? main
                                                                                         : nullptr;
        },
        10000))
        << test::ReadBytes(file.str());

    EXPECT_EQ(program.CloseAndWait(main), 0);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
}

} // namespace
