// Latency from a complete line on the TCP control port to the first action it fires, for the
// running program and, in the same run, for a minimal reference doing the least Windows needs for
// the same road: a WSAAsyncSelect socket on a window that, for each complete line, finds the
// target window by its title and posts it a message. The benchmark's window is the target of
// both; one clock times each line from its send to the message's arrival. What matters is the
// program's figures against the reference's, not their absolute size.
// Usage: latency_bench <path of Tavrilo.exe> [lines]; prints the median, best and worst of each.
// It changes the program's stored settings for the run and puts them back afterwards.

#include "engine/config/ConfigFile.h"

#include "BenchPeers.h"

#include <winsock2.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace tav::bench;

constexpr char kTargetTitle[] = "TavriloLatencyTarget";
constexpr char kSavedSettingsKey[] = "Software\\Tavrilo.latency-bench";
constexpr char kLine[] = "PING\r\n";
// Far beyond the recognition time-out, so that every line is recognised.
constexpr DWORD kLineGapMs = 350;
// A message that has not come by then counts as missed.
constexpr double kMissedAfterMs = 1000;
constexpr WPARAM kFromProgram = 1;
constexpr WPARAM kFromReference = 2;

// ------------------------------------------------------------------------------------------
// The reference, run as a second process of this file: "--reference <port>".

constexpr UINT kSocketMessage = WM_APP + 1;

int RunReference(int port) {
    WSADATA wsa{};
    WSAStartup(MAKEWORD(2, 2), &wsa);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TavriloLatencyReference";
    RegisterClassA(&wc);
    const HWND window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, wc.hInstance, nullptr);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 1) != 0)
        return 1;
    WSAAsyncSelect(listener, window, kSocketMessage, FD_ACCEPT | FD_READ | FD_CLOSE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != kSocketMessage)
            continue;
        const auto socket = static_cast<SOCKET>(msg.wParam);
        switch (WSAGETSELECTEVENT(msg.lParam)) {
        case FD_ACCEPT:
            accept(listener, nullptr, nullptr); // inherits the listener's notifications
            break;
        case FD_READ: {
            char data[512];
            const int got = recv(socket, data, sizeof data, 0);
            for (int i = 0; i < got; ++i)
                if (data[i] == '\n')
                    PostMessageA(FindWindowA(nullptr, kTargetTitle), WM_USER, kFromReference, 0);
            break;
        }
        case FD_CLOSE:
            return 0;
        }
    }
    return 0;
}

// ------------------------------------------------------------------------------------------
// The program's settings and document for the run.

// Starts in the tray (where fired commands run their actions) with the TCP control server as
// its one origin.
void StoreSettings(int port) {
    const HKEY key = CreateRunSettings();
    WriteBool(key, "Load minimized", true);
    WriteBool(key, "Origin enabled", true);
    WriteBool(key, "Use serial port", false);
    WriteBool(key, "Use TCP/IP", true);
    WriteBool(key, "TCP/IP server enabled", true);
    WriteInt(key, "TCP/IP server port", static_cast<DWORD>(port));
    WriteInt(key, "TCP/IP info port", 0);
    WriteInt(key, "Recognition time out", 100);
    RegCloseKey(key);
}

// One remote with one command learned from the line; a default-layout item fired by it whose
// one action posts WM_USER to the benchmark's window.
bool WriteDocument(const std::string& file) {
    tav::TDocument doc;
    tav::TCommandNode* remote = doc.AddRemote("Bench");
    tav::TCommandNode* ping = doc.AddCommand(remote, "Ping");
    const std::string line = kLine;
    doc.SetCode(*ping->Data(), tav::TCode(std::vector<std::int32_t>(line.begin(), line.end())));
    tav::TAction* item = doc.AddAction(doc.DefaultLayout(), "Post");
    doc.AddTrigger(item, ping);
    item->TrigType = 1;
    item->ActionStrings = {std::string("\xA1PostMessage\xA1WM_USERwParam:") +
                           std::to_string(kFromProgram) + "lParam:0Delay:0DestWnd:" + kTargetTitle +
                           "KeepActive:N"};
    return tav::SaveConfigFile(doc, file, {}).Ok;
}

// ------------------------------------------------------------------------------------------
// The measuring side.

// Throws away what the peer sent (the program's echo and replies).
void Drain(SOCKET s) {
    u_long waiting = 0;
    char data[512];
    while (ioctlsocket(s, FIONREAD, &waiting) == 0 && waiting > 0)
        if (recv(s, data, sizeof data, 0) <= 0)
            return;
}

// Milliseconds from the line's send to the arrival of `expected`; negative when it was missed.
double TimeLine(SOCKET s, WPARAM expected) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE)) {
    }
    const double sent = Now();
    send(s, kLine, sizeof kLine - 1, 0);
    for (;;) {
        const double waited = Now() - sent;
        if (waited >= kMissedAfterMs)
            return -1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kMissedAfterMs - waited),
                                  QS_POSTMESSAGE);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_USER && msg.wParam == expected)
                return Now() - sent;
            DispatchMessageA(&msg);
        }
    }
}

struct Figures {
    std::vector<double> times;
    int missed = 0;
    double Median() const { return times.empty() ? 0 : times[times.size() / 2]; }
    double Best() const { return times.empty() ? 0 : times.front(); }
    double Worst() const { return times.empty() ? 0 : times.back(); }
};

void Print(const char* who, Figures& f, int lines) {
    std::sort(f.times.begin(), f.times.end());
    std::printf("  %-10s median %.2f ms, best %.2f ms, worst %.2f ms (%d lines, %d missed)\n", who,
                f.Median(), f.Best(), f.Worst(), lines, f.missed);
}

bool Start(const std::string& command, PROCESS_INFORMATION& info) {
    std::string line = command;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info) != FALSE;
}

int Measure(const char* program, int lines) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TavriloLatencyTargetClass";
    RegisterClassA(&wc);
    const HWND target = CreateWindowExA(0, wc.lpszClassName, kTargetTitle, WS_POPUP, 0, 0, 10, 10,
                                        nullptr, nullptr, wc.hInstance, nullptr);

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "tavrilo_latency_bench.tvr";
    if (!WriteDocument(file)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }
    const int programPort = FreePort();
    const int referencePort = FreePort() == programPort ? programPort + 1 : FreePort();
    SaveUserSettings(kSavedSettingsKey);
    StoreSettings(programPort);

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    PROCESS_INFORMATION programInfo{}, referenceInfo{};
    const bool started =
        Start(std::string("\"") + program + "\" \"" + file + "\"", programInfo) &&
        Start(std::string("\"") + self + "\" --reference " + std::to_string(referencePort),
              referenceInfo);
    const SOCKET toProgram = started ? ConnectTo(programPort, 30000) : INVALID_SOCKET;
    const SOCKET toReference = started ? ConnectTo(referencePort, 10000) : INVALID_SOCKET;
    int status = 0;
    if (toProgram == INVALID_SOCKET || toReference == INVALID_SOCKET) {
        std::fprintf(stderr, "the program or the reference did not listen\n");
        status = 1;
    } else {
        Sleep(500); // the program has loaded its document and gone to the tray
        Figures fromProgram, fromReference;
        for (int i = 0; i < lines; ++i) {
            // Taking turns which goes first keeps either from always meeting the other's wake.
            for (int turn = 0; turn < 2; ++turn) {
                const bool program = (turn == 0) == (i % 2 == 0);
                Figures& f = program ? fromProgram : fromReference;
                const double ms = TimeLine(program ? toProgram : toReference,
                                           program ? kFromProgram : kFromReference);
                if (ms < 0)
                    ++f.missed;
                else
                    f.times.push_back(ms);
                Drain(toProgram);
                Sleep(kLineGapMs / 2);
            }
        }
        std::printf("latency from a complete line on the control port to its first action:\n");
        Print("program:", fromProgram, lines);
        Print("reference:", fromReference, lines);
        std::printf("  program - reference: median %+.2f ms, best %+.2f ms; program / reference: "
                    "median %.1f, best %.1f\n",
                    fromProgram.Median() - fromReference.Median(),
                    fromProgram.Best() - fromReference.Best(),
                    fromProgram.Median() / std::max(fromReference.Median(), 0.001),
                    fromProgram.Best() / std::max(fromReference.Best(), 0.001));
    }
    if (toProgram != INVALID_SOCKET)
        closesocket(toProgram);
    if (toReference != INVALID_SOCKET)
        closesocket(toReference); // the reference ends with its connection
    if (started) {
        EndProcess(programInfo, FindProgramWindow(programInfo.dwProcessId, false));
        EndProcess(referenceInfo, nullptr);
    }
    RestoreUserSettings(kSavedSettingsKey);
    DeleteFileA(file.c_str());
    DeleteFileA((file + ".bak").c_str());
    DestroyWindow(target);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    WSADATA wsa{};
    WSAStartup(MAKEWORD(2, 2), &wsa);
    if (argc == 3 && std::string(argv[1]) == "--reference")
        return RunReference(std::atoi(argv[2]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: latency_bench <Tavrilo.exe> [lines]\n");
        return 2;
    }
    return Measure(argv[1], argc > 2 ? std::max(1, std::atoi(argv[2])) : 30);
}
