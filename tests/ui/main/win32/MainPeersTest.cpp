// The remote peers of the running main window, end to end: TCP clients of its control server,
// a DDEML client of its reports, clients of its named pipe and the plug-in library, and their
// abuse. The window is made and shown as the program starts it, from stored settings.
//
// The suite ProgramPeers uses what the whole machine shares: the pipe "TVRLPipe", the control
// port 2020 and the DDE service of the test program's name, which every main window of the
// tests serves; it runs alone. MainPeers listens on ports the system picks and runs beside
// other tests.

#include "components/TempPath.h"
#include "engine/network/DdeServiceName.h"
#include "framework/win32/DdeClient.h"
#include "framework/win32/FreePort.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "framework/win32/Sockets.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <winsock2.h>

#include <psapi.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <sstream>

using namespace tav;
using namespace std::chrono_literals;

namespace {

constexpr char kPipePath[] = "\\\\.\\pipe\\TVRLPipe";

// A client of the program's sockets, with Winsock's events on the test's thread.
struct Peer {
    TClientSocket client{nullptr};
    std::string read;

    explicit Peer(int port) {
        client.OnRead = [this](TObject*, const std::string& text) { read += text; };
        client.SetHost("127.0.0.1");
        client.SetPort(port);
        client.SetActive(true);
    }
    // Whether what it has read comes to `expected` (waiting for that much).
    bool Reads(const std::string& expected) {
        return test::PumpUntil([&] { return read.size() >= expected.size(); }, 3s) &&
               read == expected;
    }
    bool Gone() {
        return test::PumpUntil([&] { return !client.Active(); }, 3s);
    }
};

// Runs `fn` on a thread of its own while this thread serves the main window; its result.
template <typename Fn> auto WhileServing(Fn fn) {
    auto result = std::async(std::launch::async, std::move(fn));
    test::PumpUntil([&] { return result.wait_for(0ms) == std::future_status::ready; }, 20s);
    return result.get();
}

// One request to the program's pipe as an ordinary client sends it: it waits while the pipe is
// busy and reads the reply as a message. None when the pipe could not be opened or failed.
std::optional<std::string> PipeRequest(const std::string& request) {
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int tries = 0; tries < 200 && pipe == INVALID_HANDLE_VALUE; ++tries) {
        pipe = CreateFileA(kPipePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
        if (pipe == INVALID_HANDLE_VALUE && !WaitNamedPipeA(kPipePath, 50))
            Sleep(10);
    }
    if (pipe == INVALID_HANDLE_VALUE)
        return std::nullopt;
    DWORD mode = PIPE_READMODE_MESSAGE;
    SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
    char reply[4096];
    DWORD got = 0;
    const BOOL done =
        TransactNamedPipe(pipe, const_cast<char*>(request.data()),
                          static_cast<DWORD>(request.size()), reply, sizeof reply, &got, nullptr);
    CloseHandle(pipe);
    return done ? std::optional<std::string>(std::string(reply, got)) : std::nullopt;
}

// A blocking TCP connection to the program on this machine, for a thread of its own.
SOCKET Connect(int port) {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (s != INVALID_SOCKET &&
        connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    return s;
}

// The process's private bytes (its commit charge). Windows gives them in both PrivateUsage and
// PagefileUsage; Wine only in the latter.
std::size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// How far the private bytes have grown since this was made (0 when they shrank).
class Growth {
public:
    std::size_t operator()() const {
        const std::size_t now = PrivateBytes();
        return now > before_ ? now - before_ : 0;
    }

private:
    std::size_t before_ = PrivateBytes();
};

// What an abuse may leave behind at most: ten times what it costs under Wine (under 64 KiB), and
// half of what keeping the flood, or a chunk buffer per vanished client, would cost.
constexpr std::size_t kMemoryBound = 512u << 10;

struct PeersWindow : ::testing::Test {
    THandOver handOver; // as the program has: the pipe's requests come through it
    test::MainFormKey key;
    test::TempPath log{".log"};
    std::vector<std::string> boxes;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string&, UINT) {
                                     boxes.push_back(text);
                                     return IDOK;
                                 }};
    std::unique_ptr<TMainForm> form;
    TCommandNode* remote = nullptr;

    // Stores the settings of a program whose one origin, TCP/IP, runs the control server on
    // `port` (0: one the system picks) and whose info line and DDE text name the remote and the
    // command, each code compared exactly; `more` adds to them. Then the window starts as the
    // program's does, opening its origins, and learns its commands.
    void Start(int port, const std::function<void(TRegistryStore&)>& more = {}) {
        Launch(port, more);
        ASSERT_TRUE(form->TcpSockets->CtrlServerSocket->Active()) << "the TCP origin runs";
    }
    void Launch(int port, const std::function<void(TRegistryStore&)>& more = {}) {
        {
            TRegistryStore store(key.Path());
            store.WriteBoolSetting("Hide splashscreen", true);
            store.WriteStrSetting("Log file", log.str());
            store.WriteBoolSetting("Use serial port", false);
            store.WriteBoolSetting("Use TCP/IP", true);
            store.WriteBoolSetting("Origin enabled", true);
            store.WriteBoolSetting("TCP/IP server enabled", true);
            // Port 0 asks for one that nothing listens on.
            store.WriteIntSetting("TCP/IP server port", port != 0 ? port : test::FreePort());
            store.WriteIntSetting("TCP/IP info port", test::FreePort());
            for (const char* part : {"TCP/IP info send remote", "TCP/IP info send command",
                                     "DDE send remote", "DDE send command"})
                store.WriteBoolSetting(part, true);
            store.WriteIntSetting("Tolerance", 0);
            store.WriteBoolSetting("SameLength values", true);
            store.WriteIntSetting("Recognition time out", 100);
            if (more)
                more(store);
        }
        form = std::make_unique<TMainForm>(nullptr, key.Path());
        form->Show();
        remote = form->Document().AddRemote("TV");
    }
    ~PeersWindow() override {
        form.reset();
        EXPECT_EQ(boxes, std::vector<std::string>{}) << "no message box";
    }

    TCommandNode* Learn(const std::string& name, const std::string& code) {
        TCommandNode* node = form->Document().AddCommand(remote, name);
        const std::vector<std::int32_t> values(code.begin(), code.end());
        form->Document().SetCode(*node->Data(), TCode(values));
        return node;
    }
    int ControlPort() const { return form->TcpSockets->CtrlServerSocket->LocalPort(); }
    // Recognition is open again: the time-out of the last firing has run out.
    bool RecognitionOpen() {
        return test::PumpUntil([&] { return !form->TypematicTimer->Enabled(); }, 3s);
    }
    // The fired commands, one "remote,command" line each.
    std::string Log() {
        std::ifstream in(log.str(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // A client that sends the code of Vol+ gets it fired: the program still serves.
    void ExpectServing() {
        ASSERT_TRUE(RecognitionOpen());
        Peer peer(ControlPort());
        ASSERT_TRUE(peer.Reads("TVRL: ready\r\n"));
        peer.client.SendText("VOLUP\r\n");
        EXPECT_TRUE(peer.Reads("TVRL: ready\r\nVOLUP\r\nTVRL: cmd ok\r\nTV, Vol+\r\n"));
    }
};

struct ProgramPeers : PeersWindow {};
struct MainPeers : PeersWindow {};

TEST_F(ProgramPeers, AControlClientOnPort2020GetsReadyItsEchoCmdOkAndTheInfoLineInThatOrder) {
    Start(2020);
    Learn("Vol+", "VOLUP\r\n");
    Peer peer(2020);
    ASSERT_TRUE(peer.Reads("TVRL: ready\r\n"));
    peer.client.SendText("VOLUP\r\n");
    EXPECT_TRUE(peer.Reads("TVRL: ready\r\nVOLUP\r\nTVRL: cmd ok\r\nTV, Vol+\r\n"));
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    // The client leaves first, so that the port is free at once for the next run.
    peer.client.SetActive(false);
    EXPECT_TRUE(test::PumpUntil(
        [&] { return form->TcpSockets->CtrlServerSocket->Connections().empty(); }, 3s));
}

TEST_F(ProgramPeers, ADdeClientsAdviseLoopGetsTheReportOfACommandFiredInTheProgram) {
    Start(0);
    Learn("Vol+", "VOLUP\r\n");
    test::TDdeClient client;
    HCONV conversation = client.Connect(DdeServiceName(ProgramFileName()), "RemoteControlData");
    ASSERT_NE(conversation, nullptr);
    test::TDdeClient::Advised.clear();
    ASSERT_TRUE(client.Advise(conversation, "TavriloDDEServer"));

    // Fired by name through the pipe, from another program's thread.
    EXPECT_EQ(WhileServing([] { return PipeRequest("cmd:Vol+"); }), "Vol+\n");
    EXPECT_TRUE(test::PumpUntil([] { return !test::TDdeClient::Advised.empty(); }, 3s));
    EXPECT_EQ(test::TDdeClient::Advised, std::vector<std::string>{"TV, Vol+"});
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    DdeDisconnect(conversation);
}

TEST_F(ProgramPeers, ThePipeListsTheCommandsAndTwoKeysOfThePlugInFormOneCodeOfFourValues) {
    Start(0);
    Learn("Vol+", "VOLUP\r\n");
    Learn("Half", "\x12\x34");
    Learn("Whole", "\x12\x34\x56\x78");
    EXPECT_EQ(WhileServing([] { return PipeRequest("cmd:GetCommands"); }), "Vol+\nHalf\nWhole\n");

    HMODULE plugin = LoadLibraryA(TAVRILO_EXE_DIR "/Tavrilink.dll");
    ASSERT_NE(plugin, nullptr);
    auto handleKey = reinterpret_cast<int(__cdecl*)(int, int, int)>(
        reinterpret_cast<void*>(GetProcAddress(plugin, "HandleKey")));
    ASSERT_NE(handleKey, nullptr);
    // Two key events in quick succession, as a host passes them: two 2-byte messages that
    // arrive within the end-of-code time of the first.
    const auto passed = WhileServing([&] {
        const auto start = std::chrono::steady_clock::now();
        const int first = handleKey(0x100, 0x12, 0x34);
        const int second = handleKey(0x100, 0x56, 0x78);
        return std::make_tuple(first, second, std::chrono::steady_clock::now() - start);
    });
    EXPECT_EQ(std::get<0>(passed), 1);
    EXPECT_EQ(std::get<1>(passed), 1);
    ASSERT_LT(std::get<2>(passed), 100ms) << "both keys within the end-of-code time";
    EXPECT_TRUE(test::PumpUntil([&] { return !Log().empty(); }, 3s));
    test::PumpFor(200ms);
    EXPECT_EQ(Log(), "TV,Whole\r\n") << "one code of the four values, not two halves";
    FreeLibrary(plugin);
}

TEST_F(ProgramPeers, PipeClientsThatConnectAndNeverWriteLeaveThePipeServingInBoundedMemory) {
    Start(0);
    Learn("Vol+", "VOLUP\r\n");
    ASSERT_EQ(WhileServing([] { return PipeRequest("cmd:GetCommands"); }), "Vol+\n");
    const Growth growth;
    const auto start = std::chrono::steady_clock::now();
    const auto [silent, reply] = WhileServing([] {
        // A client once the pipe takes one; the invalid handle when it never does.
        auto open = [] {
            for (int tries = 0; tries < 100; ++tries) {
                HANDLE pipe = CreateFileA(kPipePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
                if (pipe != INVALID_HANDLE_VALUE)
                    return pipe;
                if (!WaitNamedPipeA(kPipePath, 50))
                    Sleep(10);
            }
            return INVALID_HANDLE_VALUE;
        };
        int connected = 0;
        // Clients that come and go without a word.
        for (int i = 0; i < 50; ++i)
            if (HANDLE pipe = open(); pipe != INVALID_HANDLE_VALUE) {
                ++connected;
                CloseHandle(pipe);
            }
        // Two that stay without a word, the second waiting behind the first, and a client with
        // a request behind them both.
        HANDLE first = open(), second = open();
        connected += (first != INVALID_HANDLE_VALUE) + (second != INVALID_HANDLE_VALUE);
        const auto served = PipeRequest("cmd:Vol+");
        CloseHandle(first);
        CloseHandle(second);
        return std::make_pair(connected, served);
    });
    EXPECT_EQ(silent, 52);
    EXPECT_EQ(reply, "Vol+\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    EXPECT_LT(growth(), kMemoryBound);
}

TEST_F(MainPeers, APeerOutsideTheAllowedAddressesIsToldSoAndDisconnected) {
    Start(0, [](TRegistryStore& store) {
        store.WriteStrSetting("TCP/IP server IP", "10.0.0.0");
        store.WriteStrSetting("TCP/IP server filter", "255.0.0.0");
    });
    Peer peer(ControlPort());
    EXPECT_TRUE(peer.Gone());
    EXPECT_EQ(peer.read, "TVRL: IP 127.0.0.1 not allowed\r\n") << "and nothing else";
    EXPECT_TRUE(form->TcpSockets->CtrlServerSocket->Connections().empty());
}

TEST_F(MainPeers, AControlPortTakenByAnotherProgramFailsTheOriginWithItsMessage) {
    TServerSocket other(nullptr);
    other.SetActive(true);
    const int port = other.LocalPort();
    Launch(port);
    EXPECT_FALSE(form->TcpSockets->CtrlServerSocket->Active());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Cannot listen on TCP/IP port " + std::to_string(port), 0), 0u)
        << boxes[0];
    EXPECT_EQ(form->StatBar->PanelText(1), "") << "the status bar does not say it runs";
    EXPECT_FALSE(form->EnableOriginMenu->Checked());
    boxes.clear();
}

TEST_F(MainPeers, TwoClientsSendingPartsOfTheirLinesInTurnDispatchTwoCleanCodes) {
    Start(0);
    Learn("On", "ON\r\n");
    Learn("Off", "OFF\r\n");
    Peer on(ControlPort()), off(ControlPort());
    ASSERT_TRUE(on.Reads("TVRL: ready\r\n"));
    ASSERT_TRUE(off.Reads("TVRL: ready\r\n"));
    on.client.SendText("O");
    ASSERT_TRUE(on.Reads("TVRL: ready\r\nO"));
    off.client.SendText("OF");
    ASSERT_TRUE(off.Reads("TVRL: ready\r\nOF"));
    on.client.SendText("N\r\n");
    EXPECT_TRUE(on.Reads("TVRL: ready\r\nON\r\nTVRL: cmd ok\r\nTV, On\r\n"));
    ASSERT_TRUE(RecognitionOpen());
    off.client.SendText("F\r\n");
    EXPECT_TRUE(off.Reads("TVRL: ready\r\nOFF\r\nTVRL: cmd ok\r\nTV, Off\r\n"));
    EXPECT_EQ(Log(), "TV,On\r\nTV,Off\r\n");
}

TEST_F(MainPeers, AThousandClientsThatConnectAndVanishLeaveTheServerServingInBoundedMemory) {
    Start(0);
    Learn("Vol+", "VOLUP\r\n");
    ExpectServing();
    const int port = ControlPort();
    auto connectAndVanish = [&](int clients) {
        const int connected = WhileServing([port, clients] {
            int count = 0;
            for (int i = 0; i < clients; ++i) {
                const SOCKET s = Connect(port);
                if (s == INVALID_SOCKET)
                    continue;
                ++count;
                // Half of them hang up, half of them break off.
                if (i % 2 != 0) {
                    const linger abort{1, 0};
                    setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
                               sizeof abort);
                }
                closesocket(s);
            }
            return count;
        });
        EXPECT_EQ(connected, clients);
        EXPECT_TRUE(test::PumpUntil(
            [&] { return form->TcpSockets->CtrlServerSocket->Connections().empty(); }, 10s));
    };
    // The first connections grow the heap once; what the thousand after them keep is growth.
    connectAndVanish(100);
    const Growth growth;
    connectAndVanish(1000);
    ExpectServing();
    EXPECT_LT(growth(), kMemoryBound);
}

TEST_F(MainPeers, AMebibyteFloodOnTheControlPortLeavesTheServerServingInBoundedMemory) {
    Start(0);
    Learn("Vol+", "VOLUP\r\n");
    ExpectServing();
    const int port = ControlPort();
    // Lines short and long, some of them the learned code, from a client that reads nothing.
    std::string flood;
    std::uint32_t seed = 1;
    while (flood.size() < (1u << 20)) {
        seed = seed * 1664525u + 1013904223u;
        switch (seed >> 30) {
        case 0:
            flood += "VOLUP\r\n";
            break;
        case 1:
            flood += std::string(seed % 3000, 'x') + "\n";
            break;
        default:
            flood += std::string(seed % 50, static_cast<char>('a' + seed % 26)) + "\r\n";
        }
    }
    auto floodOnce = [&] {
        const auto sent = WhileServing([&] {
            const SOCKET s = Connect(port);
            std::size_t total = 0;
            while (s != INVALID_SOCKET && total < flood.size()) {
                const int n =
                    send(s, flood.data() + total,
                         static_cast<int>(std::min<std::size_t>(flood.size() - total, 65536)), 0);
                if (n <= 0)
                    break;
                total += static_cast<std::size_t>(n);
            }
            // Lets the program read it all before leaving.
            Sleep(200);
            if (s != INVALID_SOCKET)
                closesocket(s);
            return total;
        });
        EXPECT_EQ(sent, flood.size());
        EXPECT_TRUE(test::PumpUntil(
            [&] { return form->TcpSockets->CtrlServerSocket->Connections().empty(); }, 10s));
    };
    // A slow reader takes what piled up in one read: the heap's high-water mark rises once.
    // What is kept of a flood shows as growth at the second.
    floodOnce();
    const Growth growth;
    floodOnce();
    ExpectServing();
    EXPECT_LT(growth(), kMemoryBound);
}

} // namespace
