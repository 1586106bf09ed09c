#include "engine/network/win32/TcpSockets.h"

#include "engine/RecognitionFakes.h"
#include "engine/settings/FakeSettingsStore.h"
#include "framework/win32/FreePort.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

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
    int originsClosed = 0;
    std::vector<std::string> failures;
    TTcpSockets sockets{nullptr,
                        "Tcp",
                        settings,
                        receiver,
                        fake.osd,
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
    EXPECT_TRUE(test::PumpUntil([&] { return !fake.osd.shown.empty(); }, 3s));
    EXPECT_EQ(fake.osd.shown, std::vector<std::string>{"Hello"});
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
