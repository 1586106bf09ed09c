// The whole program under Wine: it shows its last configuration and answers the named pipe,
// a new start replaces a running one, and it ends while a pipe client keeps calling.

#include "ProgramProcess.h"

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace tav;
using tav::test::ProgramProcess;

namespace {

std::string AskPipe(const char* request) {
    char reply[1024] = {};
    DWORD got = 0;
    if (!CallNamedPipeA("\\\\.\\pipe\\TVRLPipe", const_cast<char*>(request),
                        static_cast<DWORD>(strlen(request)), reply, sizeof reply, &got, 2000))
        return "(no answer)";
    return std::string(reply, got);
}

struct ProgramLife : ::testing::Test {
    ProgramLife() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo"); }
    static void Store(const char* name, const std::string& value) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name, REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() + 1));
    }
};

TEST_F(ProgramLife, ShowsTheLastConfigurationAndAnswersThePipeWithItsCommands) {
    test::TempPath file(".tvr");
    TDocument doc;
    doc.AddCommand(doc.AddRemote("TV"), "Vol+");
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), {}).Ok);
    Store("LastTVRFile", file.str());

    ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    std::string reply;
    for (int i = 0; i < 50 && reply != "Vol+\n"; ++i, Sleep(100))
        reply = AskPipe("cmd:GetCommands");
    EXPECT_EQ(reply, "Vol+\n");
    // The pipe answers once the start-up has loaded the file, which the status bar names (its
    // length is what another process can read of it).
    HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    EXPECT_EQ(LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)), file.str().size());
    EXPECT_EQ(program.CloseAndWait(main), 0);
}

TEST_F(ProgramLife, ANewStartEndsTheRunningOneButNoWindowThatOnlySharesItsTitle) {
    HWND notes = CreateWindowExA(0, "STATIC", "Tavrilo 4.0b notes", WS_OVERLAPPED, 0, 0, 100, 50,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ProgramProcess first;
    ASSERT_NE(first.WaitForMainWindow(), nullptr);
    ProgramProcess second;
    HWND main = second.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(IsWindow(notes));
    EXPECT_EQ(second.CloseAndWait(main), 0);
    DestroyWindow(notes);
}

TEST_F(ProgramLife, ItEndsWhileAPipeClientKeepsCalling) {
    ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    std::atomic<bool> calling{true};
    std::thread client([&] {
        while (calling)
            AskPipe("cmd:GetCommands");
    });
    Sleep(200);
    EXPECT_EQ(program.CloseAndWait(main), 0);
    calling = false;
    client.join();
}

} // namespace
