// The keyboard origin of the whole program under Wine: the program writes out the hook library
// it carries, a key typed into it fires the command learned for the key once, and the library's
// file goes when the program ends, or at its next start when another program still had it.

#include "Notepad.h"
#include "ProgramProcess.h"

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"
#include "engine/settings/win32/RegistryStore.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <filesystem>
#include <set>

using namespace tav;

namespace {

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

std::set<std::string> ExtractedLibraries() {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(TempFolder()))
        if (const std::string name = entry.path().filename().string();
            name.starts_with("~fs") && name.ends_with(".dll"))
            found.insert(entry.path().string());
    return found;
}

// The process `pid` has loaded the library of this path.
bool HasLoaded(DWORD pid, const std::string& library) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    const std::string name = std::filesystem::path(library).filename().string();
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &module); more && !found;
         more = Module32Next(snapshot, &module))
        found = lstrcmpiA(module.szModule, name.c_str()) == 0;
    CloseHandle(snapshot);
    return found;
}

struct ProgramKeyboard : ::testing::Test {
    static constexpr BYTE kScan = 0x43; // F9
    test::TempPath file{".tvr"}, log{".log"};
    std::set<std::string> before = ExtractedLibraries();

    void SetUp() override {
        TDocument doc;
        doc.SetCode(*doc.AddCommand(doc.AddRemote("Keyboard"), "F9")->Data(), {kScan});
        ASSERT_TRUE(SaveConfigFile(doc, file.str(), {}).Ok);
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
        TRegistryStore store(kSettingsKey);
        for (const char* name : {"Hide splashscreen", "Use keyboard trapping", "Origin enabled"})
            store.WriteBoolSetting(name, true);
        store.WriteBoolSetting("Use serial port", false);
        store.WriteStrSetting("Log file", log.str());
        store.WriteStrSetting("LastTVRFile", file.str());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo"); }

    // The main window once the origins are open; the status bar's second panel then names them.
    static HWND WithOriginsOpen(const test::ProgramProcess& program) {
        HWND main = program.WaitForMainWindow();
        HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
        return test::WaitForWindow(
            [&] { return LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 1, 0)) > 0 ? main : nullptr; },
            10000);
    }
    // The library this run extracted.
    std::string Extracted() const {
        std::set<std::string> extracted = ExtractedLibraries();
        std::erase_if(extracted, [&](const std::string& path) { return before.contains(path); });
        return extracted.size() == 1 ? *extracted.begin() : std::string();
    }
};

TEST_F(ProgramKeyboard, AKeyFiresItsCommandOnceAndTheCarriedLibraryComesAndGoes) {
    test::ProgramProcess program;
    HWND main = WithOriginsOpen(program);
    ASSERT_NE(main, nullptr);
    const std::string library = Extracted();
    ASSERT_NE(library, "");
    EXPECT_EQ(test::ReadBytes(library), test::ReadBytes(TAVRILO_EXE_DIR "/Vardok.dll"));

    ASSERT_TRUE(test::TakeForeground(main));
    keybd_event(VK_F9, kScan, 0, 0);
    for (int i = 0; i < 50 && test::ReadBytes(log.str()).empty(); ++i)
        Sleep(50);
    // Past the recognition time-out, so that a release taken for a code would fire again.
    Sleep(400);
    keybd_event(VK_F9, kScan, KEYEVENTF_KEYUP, 0);
    Sleep(400);
    EXPECT_EQ(test::ReadBytes(log.str()), "Keyboard,F9\r\n");

    EXPECT_EQ(program.CloseAndWait(main), 0);
    EXPECT_FALSE(test::FileExists(library));
}

// A program that took a key through the hook keeps the library mapped: Windows lets go of it
// once the hook is gone and the program handles a message, Wine only when the program ends. The
// exit does not wait longer than its bound for it, and the next start removes the file, but
// neither a file that a running program holds nor one of another name.
TEST_F(ProgramKeyboard, ALibraryThatAnotherProgramHeldAtTheEndGoesAtTheNextStart) {
    std::string library;
    {
        test::ProgramProcess program;
        HWND main = WithOriginsOpen(program);
        ASSERT_NE(main, nullptr);
        library = Extracted();
        ASSERT_NE(library, "");
        test::Notepad notepad;
        HWND editor = notepad.Window();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(test::TakeForeground(editor));
        keybd_event(VK_F9, kScan, 0, 0);
        keybd_event(VK_F9, kScan, KEYEVENTF_KEYUP, 0);
        ASSERT_TRUE(test::WaitForWindow(
            [&] { return HasLoaded(notepad.info.dwProcessId, library) ? editor : nullptr; }, 5000))
            << "the hook runs in notepad too";
        EXPECT_EQ(program.CloseAndWait(main), 0);
        EXPECT_EQ(WaitForSingleObject(notepad.info.hProcess, 0), WAIT_TIMEOUT) << "still runs";
    }
    const std::string folder = TempFolder();
    const std::string other = folder + "~fsnote.dll", held = folder + "~fs999.dll";
    test::WriteBytes(other, "not ours");
    test::WriteBytes(held, "held");
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    test::ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(test::FileExists(library));
    EXPECT_TRUE(test::FileExists(other));
    EXPECT_TRUE(test::FileExists(held));
    EXPECT_EQ(program.CloseAndWait(main), 0);
    CloseHandle(holder);
    DeleteFileA(other.c_str());
    DeleteFileA(held.c_str());
}

} // namespace
