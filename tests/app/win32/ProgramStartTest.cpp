#include "ProgramProcess.h"

#include "engine/settings/SettingsTable.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

using namespace tav;
using tav::test::ProgramProcess;

namespace {

std::optional<DWORD> StoredType(const std::string& name) {
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name.c_str(), RRF_RT_ANY, &type,
                     nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return type;
}

std::string StoredString(const std::string& name) {
    char text[512] = {};
    DWORD size = sizeof(text);
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name.c_str(), RRF_RT_REG_SZ, nullptr, text,
                 &size);
    return text;
}

std::int32_t StoredDword(const std::string& name) {
    DWORD value = 0xDEADBEEF;
    DWORD size = sizeof(value);
    RegGetValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name.c_str(), RRF_RT_REG_DWORD, nullptr,
                 &value, &size);
    return static_cast<std::int32_t>(value);
}

TEST(ProgramStart, MainWindowComesUpWithItsStatusBarAndClosesCleanly) {
    ProgramProcess program;
    ASSERT_TRUE(program.started);
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 2);
    EXPECT_NE(GetMenu(main), nullptr);
    EXPECT_EQ(program.CloseAndWait(main), 0);
}

// The program's own settings key: other programs started by tests at the same time only ever
// add the same defaults, never change a stored value.
TEST(ProgramStart, FirstStartStoresEveryDefaultAndALaterStartKeepsTheUsersValues) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    {
        ProgramProcess program;
        ASSERT_TRUE(program.started);
        HWND main = program.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_EQ(program.CloseAndWait(main), 0);
    }
    EXPECT_EQ(StoredString("Version"), "4.0.0.1");
    // The file type's open command quotes the program's path and the document's.
    char command[MAX_PATH * 2] = {};
    DWORD size = sizeof command;
    RegGetValueA(HKEY_CLASSES_ROOT, "Tavrilo\\Shell\\Open\\Command", nullptr, RRF_RT_REG_SZ,
                 nullptr, command, &size);
    const std::string text(command);
    EXPECT_TRUE(text.starts_with("\"") && text.ends_with(".exe\" \"%1\"")) << text;
    for (const TSettingDef& def : SettingsTable()) {
        if (!def.HasDefault)
            continue;
        const std::string name(def.Name);
        if (def.Type == TSettingType::String) {
            EXPECT_EQ(StoredType(name), REG_SZ) << name;
            EXPECT_EQ(StoredString(name), def.DefaultStr) << name;
        } else {
            EXPECT_EQ(StoredType(name), REG_DWORD) << name;
            EXPECT_EQ(StoredDword(name), def.DefaultInt) << name;
        }
    }

    const DWORD tolerance = 5;
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", "Tolerance", REG_DWORD, &tolerance,
                    sizeof tolerance);
    {
        ProgramProcess program;
        HWND main = program.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_EQ(program.CloseAndWait(main), 0);
    }
    EXPECT_EQ(StoredDword("Tolerance"), 5);
}

} // namespace
