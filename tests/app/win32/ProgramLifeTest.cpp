// The whole program under Wine: it shows its last configuration and answers the named pipe,
// no remembered name holds up its start, a new start replaces a running one unless its user
// keeps unsaved edits, it ends while a pipe client keeps calling, and neither a peer's flood on
// its info port nor the program's own message numbers posted by another process stop it serving.

#include "ProgramProcess.h"

#include <winsock2.h>

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

using namespace tav;
using tav::test::ProgramProcess;

namespace {

// Every window of process `pid`: the top-level ones with all their descendants, and the
// message-only ones.
std::vector<HWND> ProcessWindows(DWORD pid) {
    struct Walk {
        DWORD pid;
        std::vector<HWND> found;
        void Take(HWND wnd) {
            DWORD owner = 0;
            GetWindowThreadProcessId(wnd, &owner);
            if (owner == pid)
                found.push_back(wnd);
        }
    } walk{pid, {}};
    const WNDENUMPROC take = [](HWND wnd, LPARAM w) -> BOOL {
        reinterpret_cast<Walk*>(w)->Take(wnd);
        return TRUE;
    };
    EnumWindows(take, reinterpret_cast<LPARAM>(&walk));
    for (HWND top : std::vector<HWND>(walk.found))
        EnumChildWindows(top, take, reinterpret_cast<LPARAM>(&walk));
    for (HWND wnd = nullptr; (wnd = FindWindowExA(HWND_MESSAGE, wnd, nullptr, nullptr));)
        walk.Take(wnd);
    return walk.found;
}

std::string ClassOf(HWND wnd) {
    char name[64] = {};
    GetClassNameA(wnd, name, sizeof name);
    return name;
}

// The pipe's reply, waiting at most `limitMs` for the pipe to be free.
std::string AskPipe(const char* request, DWORD limitMs = 2000) {
    char reply[1024] = {};
    DWORD got = 0;
    if (!CallNamedPipeA("\\\\.\\pipe\\TVRLPipe", const_cast<char*>(request),
                        static_cast<DWORD>(strlen(request)), reply, sizeof reply, &got, limitMs))
        return "(no answer)";
    return std::string(reply, got);
}

struct ProgramLife : ::testing::Test {
    ProgramLife() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo"); }
    static void Store(const char* name, const std::string& value) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name, REG_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() + 1));
    }
    static void Store(const char* name, DWORD value) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", name, REG_DWORD, &value,
                        sizeof value);
    }
    // The program's next start opens `file`, which holds one command, Vol+.
    static bool StoreLastConfiguration(const test::TempPath& file) {
        TDocument doc;
        doc.AddCommand(doc.AddRemote("TV"), "Vol+");
        Store("LastTVRFile", file.str());
        return SaveConfigFile(doc, file.str(), {}).Ok;
    }
    // The message box that process `pid` shows, once it shows one.
    static HWND AwaitBox(DWORD pid) {
        return test::WaitForWindow(
            [pid] {
                return test::FindProcessWindowWhere(pid, [](HWND wnd) {
                    char name[16] = {};
                    GetClassNameA(wnd, name, sizeof name);
                    return std::string(name) == "#32770" && IsWindowVisible(wnd);
                });
            },
            10000);
    }
    // The pipe's command list once the start-up has loaded the configuration.
    static std::string AwaitCommands() {
        std::string reply;
        for (int i = 0; i < 50 && reply != "Vol+\n"; ++i, Sleep(100))
            reply = AskPipe("cmd:GetCommands");
        return reply;
    }
    // The main window of `program`, started on the stored configuration, once the pipe lists
    // that configuration's command; none when either does not come.
    static HWND AwaitLoaded(const ProgramProcess& program) {
        HWND main = program.WaitForMainWindow();
        return main != nullptr && AwaitCommands() == "Vol+\n" ? main : nullptr;
    }
};

TEST_F(ProgramLife, ShowsTheLastConfigurationAndAnswersThePipeWithItsCommands) {
    test::TempPath file(".tvr");
    ASSERT_TRUE(StoreLastConfiguration(file));

    ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(AwaitCommands(), "Vol+\n");
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

// A device or a pipe could be read from for ever; a name too long for Windows names nothing.
TEST_F(ProgramLife, ARememberedDeviceFolderOrOverlongNameStartsToAWindowThatCloses) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    for (const std::string& remembered :
         {std::string("COM1"), std::string("NUL"), std::string(folder),
          "C:\\" + std::string(64 << 10, 'x') + ".tvr"}) {
        Store("LastTVRFile", remembered);
        ProgramProcess program;
        const bool refused = remembered.size() < MAX_PATH;
        if (refused) {
            HWND box = AwaitBox(program.info.dwProcessId);
            ASSERT_NE(box, nullptr) << remembered << ": its file error";
            char title[64] = {};
            GetWindowTextA(box, title, sizeof title);
            EXPECT_STREQ(title, "Cannot open file");
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        HWND main = program.WaitForMainWindow();
        ASSERT_NE(main, nullptr) << remembered.substr(0, 8);
        EXPECT_TRUE(
            test::WaitForWindow([&] { return IsWindowVisible(main) ? main : nullptr; }, 5000));
        EXPECT_EQ(program.CloseAndWait(main), 0) << remembered.substr(0, 8);
    }
}

// The edit: the command is renamed by F2 in its tree, so that the pipe's list shows it.
TEST_F(ProgramLife, ANewStartWaitsForTheSaveQuestionOfTheRunningOneAndEndsWhenItIsKept) {
    test::TempPath file(".tvr");
    ASSERT_TRUE(StoreLastConfiguration(file));
    ProgramProcess first;
    HWND main = AwaitLoaded(first);
    ASSERT_NE(main, nullptr);
    HWND tree = nullptr; // the commands tree: the tree of the file's two nodes
    EnumChildWindows(
        main,
        [](HWND wnd, LPARAM found) -> BOOL {
            char name[32] = {};
            GetClassNameA(wnd, name, sizeof name);
            if (std::string(name) != WC_TREEVIEWA || SendMessageA(wnd, TVM_GETCOUNT, 0, 0) != 2)
                return TRUE;
            *reinterpret_cast<HWND*>(found) = wnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    ASSERT_NE(tree, nullptr);
    const LPARAM remote = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    const LPARAM command = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, remote);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, command);
    PostMessageA(tree, WM_KEYDOWN, VK_F2, 1);
    HWND edit = test::WaitForWindow(
        [&] { return reinterpret_cast<HWND>(SendMessageA(tree, TVM_GETEDITCONTROL, 0, 0)); }, 5000);
    ASSERT_NE(edit, nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Vol up"));
    SendMessageA(tree, TVM_ENDEDITLABELNOW, FALSE, 0);
    ASSERT_EQ(AskPipe("cmd:GetCommands"), "Vol up\n");

    {
        ProgramProcess second;
        HWND question = AwaitBox(first.info.dwProcessId);
        ASSERT_NE(question, nullptr) << "the running one asks";
        PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
        ASSERT_EQ(WaitForSingleObject(second.info.hProcess, 10000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(second.info.hProcess, &code);
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(test::FindProcessWindow(second.info.dwProcessId, "Tavrilo 4.0b"), nullptr);
    }
    EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(AskPipe("cmd:GetCommands"), "Vol up\n") << "the edit is kept";

    // Given up by the user, the edit goes and the new start takes over.
    ProgramProcess third;
    HWND question = AwaitBox(first.info.dwProcessId);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(WaitForSingleObject(first.info.hProcess, 10000), WAIT_OBJECT_0);
    HWND newMain = third.WaitForMainWindow();
    ASSERT_NE(newMain, nullptr);
    EXPECT_EQ(AwaitCommands(), "Vol+\n");
    EXPECT_EQ(third.CloseAndWait(newMain), 0);
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

// A peer that sends on the info port: whatever it sends is shown, so it must be cut to what the
// display can draw in a moment.
TEST_F(ProgramLife, FloodsOfAnyBytesOnTheInfoPortLeaveItAnsweringAtOnceAndItEndsCleanly) {
    test::TempPath file(".tvr");
    ASSERT_TRUE(StoreLastConfiguration(file));
    Store("TCP/IP info send command", 1); // the info server runs, on port 4040

    ProgramProcess program;
    HWND main = AwaitLoaded(program);
    ASSERT_NE(main, nullptr);

    WSADATA wsa;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    std::mt19937 random(23);
    std::string bytes(64 << 10, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
    for (const std::string& flood : {bytes, std::string(64 << 10, 'A')}) {
        const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(4040);
        ASSERT_EQ(connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ASSERT_EQ(send(s, flood.data(), static_cast<int>(flood.size()), 0),
                  static_cast<int>(flood.size()));
        // The pipe's request waits its turn behind the flood, at most a second.
        EXPECT_EQ(AskPipe("cmd:GetCommands"), "Vol+\n") << "the main thread answers";
        // The program closes its side once it has read everything.
        shutdown(s, SD_SEND);
        const DWORD limitMs = 10000;
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limitMs),
                   sizeof limitMs);
        char rest[256];
        EXPECT_EQ(recv(s, rest, sizeof rest, 0), 0);
        closesocket(s);
    }
    WSACleanup();
    EXPECT_EQ(program.CloseAndWait(main), 0);
}

// The numbers that the program and its framework keep for themselves, posted by another process
// with parameters that mean nothing there (0x10 is no pointer, no handle, no control and no
// socket of the program's). The numbers of the application's range go to every window of the
// program; those of the window-class range only to windows of the program's own classes (named
// "Tav..."), since the system's controls give them meanings of their own. A new start's request
// to end is left out: it ends the program, as it should.
TEST_F(ProgramLife, ItsOwnMessageNumbersPostedByAnotherProcessLeaveItServingAndItEndsCleanly) {
    test::TempPath file(".tvr");
    ASSERT_TRUE(StoreLastConfiguration(file));
    ProgramProcess program;
    HWND main = AwaitLoaded(program);
    ASSERT_NE(main, nullptr);

    // The theme manager's query and hand-over, the 9x driver's samples, the main window's tray
    // flash and save question, the sockets' notice; then the framework's notices and its
    // reflected notifications.
    std::vector<UINT> anyWindow = {0xB7D0, 0xBCB2, WM_APP + 0x21, WM_APP + 0x40, WM_APP + 0x41};
    anyWindow.push_back(RegisterWindowMessageA("Tavrilo.SocketNotice"));
    for (UINT notice = 0xB000; notice <= 0xB005; ++notice)
        anyWindow.push_back(notice);
    for (UINT reflected :
         {WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL, WM_VSCROLL,
          WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN, WM_CTLCOLORDLG,
          WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC, WM_KEYDOWN, WM_SYSKEYDOWN})
        anyWindow.push_back(0xBC00 + reflected);
    // The keyboard hook's key, the TV application's two numbers, the tray icon's callback.
    const std::vector<UINT> ownClasses = {WM_USER + 1, WM_USER + 2, 0xBBA, 0x800};

    const std::vector<HWND> windows = ProcessWindows(program.info.dwProcessId);
    ASSERT_GT(windows.size(), 10u);
    for (HWND wnd : windows) {
        const std::string kind = ClassOf(wnd);
        for (UINT msg : anyWindow)
            PostMessageA(wnd, msg, 0x10, 0x10);
        if (kind.starts_with("Tav"))
            for (UINT msg : ownClasses)
                PostMessageA(wnd, msg, 0x10, 0x10);
        // The request is served after every message posted before it.
        ASSERT_EQ(AskPipe("cmd:GetCommands", 1000), "Vol+\n") << "after those to a " << kind;
    }
    EXPECT_EQ(program.CloseAndWait(main), 0);
}

} // namespace
