#include "engine/network/win32/TcpSockets.h"

#include "engine/RecognitionFakes.h"
#include "engine/settings/FakeSettingsStore.h"
#include "framework/win32/FreePort.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <winsock2.h>

#include <atomic>
#include <thread>

using namespace tav;
using namespace tav::testing;
using namespace std::chrono_literals;

namespace {

// The recognizer's report port with the TCP half the sockets'.
struct Reports : FakeReports {
    TTcpSockets* tcp = nullptr;
    void SendInfoLine(const std::string& line) override { tcp->SendInfoLine(line); }
    void ClearReplySocket() override { tcp->ClearReplySocket(); }
};

// A peer of the program's sockets on this machine: a client of its servers, or the server its
// control client reaches.
struct Peer {
    TClientSocket client{nullptr};
    TServerSocket server{nullptr};
    TConnectionId connection = kNoConnection;
    std::string read;

    Peer() {
        client.OnRead = [this](TObject*, const std::string& text) { read += text; };
        server.OnClientRead = [this](TObject*, TConnectionId, const std::string& text) {
            read += text;
        };
        server.OnClientConnect = [this](TObject*, TConnectionId c) { connection = c; };
    }
    void Connect(int port) {
        client.SetHost("127.0.0.1");
        client.SetPort(port);
        client.SetActive(true);
    }
    bool Reads(const std::string& expected) {
        return test::PumpUntil([&] { return read.size() >= expected.size(); }, 3s) &&
               read == expected;
    }
};

struct TcpSockets : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDocument doc;
    FakePorts fake;
    Reports reports;
    TRecognizer engine{doc, Ports()};
    FakeTimer endOfCode;
    TCodeReceiver receiver{doc, engine, endOfCode, fake.timer, [](unsigned) {}};
    std::vector<std::string> peerText;
    int originsClosed = 0;
    std::vector<std::string> failures;
    TTcpSockets sockets{nullptr,
                        "Tcp",
                        settings,
                        receiver,
                        [this](const std::string& text) { peerText.push_back(text); },
                        [this] { ++originsClosed; },
                        [this](const std::string& text) { failures.push_back(text); }};
    TCommandNode* remote = doc.AddRemote("R");
    TCommandNode* abc = doc.AddCommand(remote, "ABC");

    TRecognitionPorts Ports() {
        reports.tcp = &sockets;
        fake.settings.values.Compare.Tolerance = 0;
        fake.settings.values.Compare.SameLength = true;
        fake.settings.values.Tcp.Command = true;
        TRecognitionPorts ports = fake.Ports();
        ports.Reports = &reports;
        return ports;
    }
    TcpSockets() {
        Learn(doc, *abc->Data(), {'A', 'B', 'C', '\n'});
        settings.SetInt("TCP/IP server port", test::FreePort());
        settings.SetInt("TCP/IP info port", test::FreePort());
    }
};

TEST_F(TcpSockets, TheControlServerGreetsEchoesAndDispatchesALineSentInTwoChunksOnce) {
    settings.SetBool("TCP/IP server enabled", true);
    EXPECT_TRUE(sockets.OpenTCPControl(true));
    EXPECT_FALSE(sockets.CtrlClientSocket->Active()) << "the client is not enabled";
    Peer peer;
    peer.Connect(sockets.CtrlServerSocket->LocalPort());
    ASSERT_TRUE(peer.Reads("TVRL: ready\r\n"));
    peer.client.SendText("AB");
    ASSERT_TRUE(peer.Reads("TVRL: ready\r\nAB"));
    EXPECT_TRUE(fake.tree.selections.empty());
    peer.client.SendText("C\n");
    EXPECT_TRUE(peer.Reads("TVRL: ready\r\nABC\nTVRL: cmd ok\r\nABC\r\n"));
    EXPECT_EQ(fake.tree.selections, std::vector<TCommandNode*>{abc});

    EXPECT_TRUE(sockets.OpenTCPControl(false));
    EXPECT_FALSE(sockets.CtrlServerSocket->Active());
    EXPECT_TRUE(peer.Reads("TVRL: ready\r\nABC\nTVRL: cmd ok\r\nABC\r\nTVRL: bye\r\n"));
    EXPECT_TRUE(test::PumpUntil([&] { return !peer.client.Active(); }, 3s));
}

namespace {

// A peer with a small receive window that sends every line before it reads anything, on a
// thread of its own since it blocks. What it read is in `read` once it is `done`.
struct FloodingPeer {
    std::string read;
    std::atomic<std::size_t> readSize{0};
    std::atomic<bool> done{false};
    std::thread thread;

    FloodingPeer(int port, std::string lines)
        : thread([this, port, lines = std::move(lines)] { Run(port, lines); }) {}
    ~FloodingPeer() { thread.join(); }

    void Run(int port, const std::string& lines) {
        const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        const int window = 4096;
        // Bounds every wait, so the thread ends whatever the program does.
        const DWORD limitMs = 20000;
        setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&window), sizeof window);
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limitMs),
                   sizeof limitMs);
        setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&limitMs),
                   sizeof limitMs);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<u_short>(port));
        if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            send(s, lines.data(), static_cast<int>(lines.size()), 0) ==
                static_cast<int>(lines.size())) {
            char buffer[8192];
            for (int n; (n = recv(s, buffer, sizeof buffer, 0)) > 0;) {
                read.append(buffer, static_cast<std::size_t>(n));
                readSize = read.size();
            }
        }
        closesocket(s);
        done = true;
    }
};

} // namespace

TEST_F(TcpSockets, AClientThatReadsOnlyAfterSendingGetsEveryEchoAndEveryAnswerInOrder) {
    settings.SetBool("TCP/IP server enabled", true);
    ASSERT_TRUE(sockets.OpenTCPControl(true));
    constexpr int kLines = 100000;
    std::string lines;
    for (int i = 0; i < kLines; ++i) {
        std::string line = "line " + std::to_string(i) + " ";
        lines += line + std::string(99 - line.size(), '.') + "\n";
    }
    const std::string ok = "TVRL: cmd ok\r\n";
    FloodingPeer peer(sockets.CtrlServerSocket->LocalPort(), lines);
    const std::size_t whole = 13 + lines.size() + kLines * ok.size();
    ASSERT_TRUE(test::PumpUntil([&] { return peer.readSize >= whole || peer.done; }, 60s));
    // Its reading ends with the server's farewell.
    sockets.OpenTCPControl(false);
    ASSERT_TRUE(test::PumpUntil([&] { return peer.done.load(); }, 30s));

    const std::string bye = "TVRL: bye\r\n";
    ASSERT_EQ(peer.read.substr(0, 13), "TVRL: ready\r\n");
    ASSERT_TRUE(peer.read.ends_with(bye)) << "read " << peer.read.size() << " of " << whole;
    std::string echoed;
    std::size_t answers = 0;
    std::size_t linesEchoed = 0;
    for (std::size_t at = 13; at < peer.read.size() - bye.size();) {
        if (peer.read.compare(at, ok.size(), ok) == 0) {
            ++answers;
            ASSERT_LE(answers, linesEchoed) << "each answer follows its line's echo";
            at += ok.size();
            continue;
        }
        linesEchoed += peer.read[at] == '\n';
        echoed += peer.read[at++];
    }
    EXPECT_EQ(answers, static_cast<std::size_t>(kLines));
    EXPECT_TRUE(echoed == lines) << "echoed " << echoed.size() << " of " << lines.size();
}

TEST_F(TcpSockets, TheInfoServerCarriesEachFiredCommandAndShowsWhatItsPeersSay) {
    sockets.ActivateInfoSockets();
    EXPECT_FALSE(sockets.InfoServerSocket->Active()) << "no part of the info line is chosen";
    settings.SetBool("TCP/IP info send command", true);
    sockets.ActivateInfoSockets();
    ASSERT_TRUE(sockets.InfoServerSocket->Active());
    Peer peer;
    peer.Connect(sockets.InfoServerSocket->LocalPort());
    ASSERT_TRUE(
        test::PumpUntil([&] { return sockets.InfoServerSocket->Connections().size() == 1; }, 3s));
    engine.FireCommand(*abc->Data());
    EXPECT_TRUE(peer.Reads("ABC\r\n"));
    peer.client.SendText("Hello");
    EXPECT_TRUE(test::PumpUntil([&] { return !peerText.empty(); }, 3s));
    EXPECT_EQ(peerText, std::vector<std::string>{"Hello"});
}

TEST_F(TcpSockets, ABurstOnTheInfoPortIsShownOnceWithTheTextThatCameLast) {
    settings.SetBool("TCP/IP info send command", true);
    sockets.ActivateInfoSockets();
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(sockets.InfoServerSocket->LocalPort()));
    ASSERT_EQ(connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_TRUE(
        test::PumpUntil([&] { return sockets.InfoServerSocket->Connections().size() == 1; }, 3s));
    // Several chunks, all there before the program reads the first.
    std::string burst;
    for (int i = 0; burst.size() < (32 << 10); ++i)
        burst += "line " + std::to_string(i) + "\r\n";
    burst += "the end";
    ASSERT_EQ(send(s, burst.data(), static_cast<int>(burst.size()), 0),
              static_cast<int>(burst.size()));
    closesocket(s);

    EXPECT_TRUE(test::PumpUntil(
        [&] { return sockets.InfoServerSocket->Connections().empty() && !peerText.empty(); }, 3s));
    ASSERT_EQ(peerText.size(), 1u);
    EXPECT_TRUE(burst.ends_with(peerText[0]));
}

TEST_F(TcpSockets, TheInfoServerClosesAPeerOutsideTheAllowedAddressesWithoutAWord) {
    settings.SetBool("TCP/IP info send command", true);
    settings.SetStr("TCP/IP server IP", "10.0.0.0");
    settings.SetStr("TCP/IP server filter", "255.0.0.0");
    sockets.ActivateInfoSockets();
    Peer peer;
    peer.Connect(sockets.InfoServerSocket->LocalPort());
    EXPECT_TRUE(test::PumpUntil([&] { return !peer.client.Active(); }, 3s)) << "refused";
    EXPECT_EQ(peer.read, "");
    EXPECT_TRUE(sockets.InfoServerSocket->Connections().empty());
}

TEST_F(TcpSockets, TheControlClientsChunkIsAWholeCodeAndItsFailureClosesTheOrigins) {
    TCommandNode* xy = doc.AddCommand(remote, "XY");
    Learn(doc, *xy->Data(), {'X', 'Y'});
    Peer peer;
    peer.server.SetActive(true);
    settings.SetBool("TCP/IP client enabled", true);
    settings.SetStr("TCP/IP client host", "127.0.0.1");
    settings.SetInt("TCP/IP client port", peer.server.LocalPort());
    sockets.OpenTCPControl(true);
    ASSERT_TRUE(test::PumpUntil([&] { return peer.connection != kNoConnection; }, 3s));
    peer.server.SendText(peer.connection, "XY");
    EXPECT_TRUE(peer.Reads("XY"));
    EXPECT_EQ(doc.LastFiredCommand, xy->Data());
    EXPECT_EQ(originsClosed, 0);

    sockets.OpenTCPControl(false);
    peer.server.SetActive(false); // nobody listens there any more
    sockets.OpenTCPControl(true);
    EXPECT_EQ(originsClosed, 0) << "not while the origins are being opened";
    EXPECT_TRUE(test::PumpUntil([&] { return originsClosed == 1; }, 3s));
}

} // namespace
