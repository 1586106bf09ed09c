// The keyboard origin of the whole program under Wine: the program writes out the hook library
// it carries, a key typed into it fires the command learned for the key once, and the library's
// file goes when the program ends.

#include "ProgramProcess.h"

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"
#include "engine/settings/win32/RegistryStore.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace tav;

namespace {

std::set<std::string> ExtractedLibraries() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (const std::string name = entry.path().filename().string();
            name.starts_with("~fs") && name.ends_with(".dll"))
            found.insert(entry.path().string());
    return found;
}

TEST(ProgramKeyboard, AKeyFiresItsCommandOnceAndTheCarriedLibraryComesAndGoes) {
    const BYTE scan = 0x43; // F9
    test::TempPath file(".tvr"), log(".log");
    TDocument doc;
    doc.SetCode(*doc.AddCommand(doc.AddRemote("Keyboard"), "F9")->Data(), {scan});
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), {}).Ok);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    TRegistryStore store(kSettingsKey);
    for (const char* name : {"Hide splashscreen", "Use keyboard trapping", "Origin enabled"})
        store.WriteBoolSetting(name, true);
    store.WriteBoolSetting("Use serial port", false);
    store.WriteStrSetting("Log file", log.str());
    store.WriteStrSetting("LastTVRFile", file.str());

    const std::set<std::string> before = ExtractedLibraries();
    test::ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    std::set<std::string> extracted = ExtractedLibraries();
    std::erase_if(extracted, [&](const std::string& path) { return before.contains(path); });
    ASSERT_EQ(extracted.size(), 1u);
    const std::string library = *extracted.begin();
    EXPECT_EQ(test::ReadBytes(library), test::ReadBytes(TAVRILO_EXE_DIR "/Vardok.dll"));

    // The origins open last in the start-up; the status bar's second panel then names them.
    HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_TRUE(test::WaitForWindow(
        [&] { return LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 1, 0)) > 0 ? bar : nullptr; },
        10000));
    SetForegroundWindow(main);
    ASSERT_TRUE(
        test::WaitForWindow([&] { return GetForegroundWindow() == main ? main : nullptr; }, 5000));
    keybd_event(VK_F9, scan, 0, 0);
    for (int i = 0; i < 50 && test::ReadBytes(log.str()).empty(); ++i)
        Sleep(50);
    // Past the recognition time-out, so that a release taken for a code would fire again.
    Sleep(400);
    keybd_event(VK_F9, scan, KEYEVENTF_KEYUP, 0);
    Sleep(400);
    EXPECT_EQ(test::ReadBytes(log.str()), "Keyboard,F9\r\n");

    EXPECT_EQ(program.CloseAndWait(main), 0);
    EXPECT_FALSE(test::FileExists(library));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
}

} // namespace
