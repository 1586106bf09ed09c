// A new user's first remote, on the whole program under Wine, through its own controls only: in
// a new document a command learns a line sent to the TCP control server, an action item types a
// text into notepad with a tap-key action, Run! hides the program, and the same line typed again
// on the remote reaches notepad as that text.

#include "Notepad.h"
#include "ProgramProcess.h"

#include <winsock2.h>

#include "engine/settings/win32/RegistryStore.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

using namespace tav;

namespace {

// A remote's peer on the control server: it sends lines and reads what the server answers.
class ControlPeer {
public:
    explicit ControlPeer(u_short port) {
        WSADATA wsa;
        WSAStartup(MAKEWORD(2, 2), &wsa);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        const DWORD limitMs = 5000;
        setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limitMs),
                   sizeof limitMs);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected_ =
            connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~ControlPeer() {
        closesocket(socket_);
        WSACleanup();
    }
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;

    // Reads until the server has sent `text`; false when it does not within the time-out.
    bool Await(const std::string& text) {
        std::string::size_type at;
        while (connected_ && (at = received_.find(text)) == std::string::npos) {
            char chunk[256];
            const int got = recv(socket_, chunk, sizeof chunk, 0);
            if (got <= 0)
                return false;
            received_.append(chunk, got);
        }
        if (!connected_)
            return false;
        received_.erase(0, at + text.size());
        return true;
    }
    // Sends a line and waits until the server has taken it as a code.
    bool SendLine(const std::string& line) {
        return connected_ &&
               send(socket_, line.data(), static_cast<int>(line.size()), 0) ==
                   static_cast<int>(line.size()) &&
               Await("TVRL: cmd ok\r\n");
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    bool connected_ = false;
    std::string received_;
};

std::string TextOf(HWND wnd) {
    char text[256] = {};
    SendMessageA(wnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// A shortcut typed into `wnd`, holding `modifier`.
void Press(HWND wnd, BYTE modifier, BYTE key) {
    test::TakeForeground(wnd);
    keybd_event(modifier, 0, 0, 0);
    keybd_event(key, 0, 0, 0);
    keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
    keybd_event(modifier, 0, KEYEVENTF_KEYUP, 0);
}

// Answers the name prompt of this title with the name it proposes.
bool AcceptNamePrompt(DWORD pid, const char* title) {
    HWND prompt = test::WaitForShownWindow(pid, title);
    HWND ok = test::FindDescendant(prompt, "Button", "OK");
    if (ok == nullptr)
        return false;
    PostMessageA(ok, BM_CLICK, 0, 0);
    return test::WaitForHidden(prompt);
}

TEST(ProgramNewUser, LearnsALineSentOverTcpAndOnceItRunsTheLineTypesItsTextIntoNotepad) {
    constexpr u_short kPort = 2020;
    const std::string line = "Vol+\r\n";
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
    TRegistryStore store(kSettingsKey);
    store.WriteBoolSetting("Hide splashscreen", true);
    store.WriteBoolSetting("Use serial port", false);
    store.WriteBoolSetting("Use TCP/IP", true);
    store.WriteBoolSetting("TCP/IP server enabled", true);
    store.WriteIntSetting("TCP/IP server port", kPort);
    test::Notepad notepad;
    HWND editor = notepad.Window();
    ASSERT_NE(editor, nullptr);
    HWND typed = FindWindowExA(editor, nullptr, "Edit", nullptr);
    ASSERT_NE(typed, nullptr);
    test::ProgramProcess program;
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const DWORD pid = program.info.dwProcessId;

    // A remote, then a command under it, both with the names proposed; the command learns.
    Press(main, VK_CONTROL, 'R');
    ASSERT_TRUE(AcceptNamePrompt(pid, "New remote"));
    HWND tree = test::FindDescendant(test::FindDescendant(main, "Button", "Remote commands"),
                                     WC_TREEVIEWA, "");
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                 SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    Press(main, VK_CONTROL, 'D');
    ASSERT_TRUE(AcceptNamePrompt(pid, "New command"));
    HWND learn = test::WaitForShownWindow(pid, "Learn command");
    ASSERT_NE(learn, nullptr);
    ControlPeer remote(kPort);
    ASSERT_TRUE(remote.Await("TVRL: ready\r\n")) << "learning runs the origins";
    ASSERT_TRUE(remote.SendLine(line));
    ASSERT_TRUE(remote.SendLine(line));
    HWND learned = test::FindDescendant(learn, "Button", "&Accept");
    ASSERT_TRUE(
        test::WaitForWindow([&] { return IsWindowEnabled(learned) ? learned : nullptr; }, 5000))
        << "two samples alike";
    PostMessageA(learned, BM_CLICK, 0, 0);
    ASSERT_TRUE(test::WaitForWindow([&] { return IsWindow(learn) ? nullptr : main; }, 5000));

    // An action item in the default layout, triggered by the command still selected.
    PostMessageA(test::FindDescendant(main, "Button", "&New"), BM_CLICK, 0, 0);
    ASSERT_TRUE(AcceptNamePrompt(pid, "New action"));
    Press(main, VK_CONTROL, 'A');
    Press(main, VK_MENU, 'S');
    HWND newAction = test::FindDescendant(main, "Button", "Ne&w...");
    ASSERT_TRUE(
        test::WaitForWindow([&] { return IsWindowVisible(newAction) ? newAction : nullptr; }, 5000))
        << "the actions list's page shows";
    PostMessageA(newAction, BM_CLICK, 0, 0);

    // Its action types a text into notepad, chosen from the editor's window list, and keeps
    // notepad in front.
    HWND setup = test::WaitForShownWindow(pid, "Action setup");
    ASSERT_NE(setup, nullptr);
    HWND particular = test::FindDescendant(setup, "Button", "&Particular key(s):");
    ASSERT_NE(particular, nullptr) << "a new action taps keys";
    SendMessageA(particular, BM_CLICK, 0, 0);
    SendMessageA(test::FindDescendant(GetParent(particular), "Edit", ""), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("hello"));
    HWND options = test::FindDescendant(setup, "Button", "Options");
    HWND destination = test::FindDescendant(options, "ComboBox", "");
    SendMessageA(destination, CB_SHOWDROPDOWN, TRUE, 0);
    const std::string title = TextOf(editor);
    const LRESULT entry = SendMessageA(destination, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(title.c_str()));
    ASSERT_GE(entry, 0) << title;
    SendMessageA(destination, CB_SETCURSEL, entry, 0);
    SendMessageA(destination, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageA(test::FindDescendant(options, "Button", "&Keep active"), BM_CLICK, 0, 0);
    PostMessageA(test::FindDescendant(setup, "Button", "&Accept"), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::WaitForHidden(setup));

    PostMessageA(test::FindDescendant(main, "Button", "&Run!"), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::WaitForHidden(main)) << "behind the tray icon";
    ASSERT_TRUE(remote.SendLine(line));
    EXPECT_TRUE(
        test::WaitForWindow([&] { return TextOf(typed) == "hello" ? typed : nullptr; }, 5000))
        << "notepad has \"" << TextOf(typed) << "\"";

    // The end asks to save the new document; not saved, the program ends cleanly.
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND question = test::WaitForWindow(
        [&] {
            return test::FindProcessWindowWhere(pid, [](HWND wnd) {
                char name[16] = {};
                GetClassNameA(wnd, name, sizeof name);
                return std::string(name) == "#32770" && IsWindowVisible(wnd);
            });
        },
        10000);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    ASSERT_EQ(WaitForSingleObject(program.info.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(program.info.hProcess, &code);
    EXPECT_EQ(code, 0u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
}

} // namespace
