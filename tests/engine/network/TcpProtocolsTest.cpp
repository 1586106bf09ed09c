#include "engine/RecognitionFakes.h"
#include "engine/network/ControlClient.h"
#include "engine/network/ControlServer.h"
#include "engine/network/SocketSettings.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

using namespace tav;
using namespace tav::testing;

namespace {

// Closing a connection tells `closing` first, while it can still be written to, as the
// socket's disconnect event does.
struct FakePeers : IServerPeers {
    std::vector<TConnectionId> open;
    std::map<TConnectionId, std::string> received;
    std::function<void(TConnectionId)> closing;
    std::vector<TConnectionId> Connections() const override { return open; }
    void Send(TConnectionId c, const std::string& text) override {
        if (std::find(open.begin(), open.end(), c) != open.end())
            received[c] += text;
    }
    void Close(TConnectionId c) override {
        if (closing)
            closing(c);
        std::erase(open, c);
    }
};

struct FakeClient : IClientPeer {
    std::string received;
    bool Active() const override { return true; }
    void Send(const std::string& text) override { received += text; }
};

struct FakeTestView : IOriginTestView {
    bool visible = true;
    std::vector<std::string> lines;
    bool Visible() const override { return visible; }
    TDataFormat Format() const override { return TDataFormat::Ascii; }
    void AddLine(const std::string& line) override { lines.push_back(line); }
};

// The recognizer's report port with the TCP half ours.
struct Reports : FakeReports {
    TInfoReports* tcp = nullptr;
    void SendInfoLine(const std::string& line) override { tcp->SendInfoLine(line); }
    void ClearReplySocket() override { tcp->ClearReplySocket(); }
};

struct TcpProtocols : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDocument doc;
    FakePorts fake;
    FakePeers control, info;
    FakeClient infoClient, controlClient;
    TInfoReports tcp{info, infoClient, control};
    Reports reports;
    TRecognizer engine{doc, Ports()};
    FakeTimer endOfCode;
    TCodeReceiver receiver{doc, engine, endOfCode, fake.timer, [](unsigned) {}};
    TControlServer server{settings, receiver, control, tcp};
    TCommandNode* abc = doc.AddCommand(doc.AddRemote("R"), "ABC");

    TRecognitionPorts Ports() {
        reports.tcp = &tcp;
        fake.settings.values.Compare.Tolerance = 0;
        fake.settings.values.Tcp.Command = true;
        TRecognitionPorts ports = fake.Ports();
        ports.Reports = &reports;
        return ports;
    }
    TcpProtocols() {
        Learn(doc, *abc->Data(), {'A', 'B', 'C', '\n'});
        control.closing = [this](TConnectionId c) { server.ClientDisconnect(c); };
    }
    // Peers let in, with their greeting taken.
    void Connect(std::initializer_list<TConnectionId> peers) {
        for (TConnectionId c : peers) {
            control.open.push_back(c);
            server.ClientConnect(c, "127.0.0.1");
            control.received.erase(c);
        }
    }
    // Firings select their command; a code that matches nothing clears the selection.
    std::size_t Fired() const {
        return static_cast<std::size_t>(std::count_if(fake.tree.selections.begin(),
                                                      fake.tree.selections.end(),
                                                      [](TCommandNode* n) { return n; }));
    }
};

TEST(TakeLines, ALineEndsAtAnLfThatIsNotItsFirstValueAndNoLineOutgrowsTheBuffer) {
    std::string pending;
    EXPECT_EQ(TakeLines(pending, "\n"), std::vector<std::string>{});
    EXPECT_EQ(TakeLines(pending, "A\nB\r\nC"), (std::vector<std::string>{"\nA\n", "B\r\n"}));
    EXPECT_EQ(pending, "C");

    pending.clear();
    EXPECT_EQ(TakeLines(pending, std::string(1000, 'x') + "\n")->size(), 1u)
        << "1001 values fill the buffer exactly";
    EXPECT_EQ(TakeLines(pending, std::string(600, 'x') + "\n" + std::string(600, 'y'))->size(), 1u)
        << "the bound holds for each line, not for the chunk";
    EXPECT_EQ(TakeLines(pending, std::string(402, 'y')), std::nullopt);
    EXPECT_EQ(pending, "") << "the begun line is lost with the chunk";
}

TEST_F(TcpProtocols, ThePeersAddressDecidesBetweenTheGreetingAndTheRefusal) {
    control.open = {1, 2, 3};
    server.ClientConnect(1, "127.0.0.1");
    server.ClientConnect(2, "192.168.1.2");
    server.ClientConnect(3, "localhost");
    EXPECT_EQ(control.received[1], "TVRL: ready\r\n");
    EXPECT_EQ(control.received[2], "TVRL: IP 192.168.1.2 not allowed\r\n") << "and no farewell";
    EXPECT_EQ(control.open, std::vector<TConnectionId>{1}) << "refused peers are disconnected";
    settings.SetStr("TCP/IP server IP", "192.168.1.0");
    control.open = {4};
    server.ClientConnect(4, "192.168.1.2");
    EXPECT_EQ(control.received[4], "TVRL: ready\r\n");
}

TEST_F(TcpProtocols, EachPeerCollectsItsOwnLinesWhichAreEchoedAnsweredAndGivenTheInfoLine) {
    Connect({1, 2});
    info.open = {7};
    server.ClientRead(1, "AB");
    server.ClientRead(2, "A");
    doc.ReceivedCode.AppendUpTo1000(0x55); // a serial code being timed meanwhile
    server.ClientRead(1, "C\n");
    EXPECT_EQ(Fired(), 1u);
    EXPECT_EQ(control.received[1], "ABC\nTVRL: cmd ok\r\nABC\r\n")
        << "echoes, the answer before the match, then the info line to the sender";
    EXPECT_EQ(info.received[7], "ABC\r\n");
    EXPECT_EQ(control.received[2], "A");
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());

    fake.timer.running = false;
    server.ClientRead(2, "BC\n");
    EXPECT_EQ(Fired(), 2u) << "the other peer's line was not mixed into the first";
    engine.FireCommand(*abc->Data()); // a firing from elsewhere: no control peer is answered
    EXPECT_EQ(control.received[2], "ABC\nTVRL: cmd ok\r\nABC\r\n");

    server.ClientRead(1, std::string(1002, 'A'));
    server.ClientDisconnect(1);
    EXPECT_TRUE(control.received[1].ends_with("ABC\r\nTVRL: bye\r\n"))
        << "a line that would overflow the buffer is dropped unechoed";
}

TEST_F(TcpProtocols, WhileTheTestViewShowsChunksAreEchoedAndShownButNeverCollected) {
    FakeTestView view;
    receiver.SetTestView(&view);
    Connect({1});
    server.ClientRead(1, "AB");
    ControlClientRead("C\n", controlClient, receiver);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"AB", "C\n"}));
    EXPECT_EQ(control.received[1], "AB");
    EXPECT_EQ(controlClient.received, "C\n");
    view.visible = false;
    server.ClientRead(1, "C\n");
    EXPECT_EQ(Fired(), 0u) << "the shown AB did not stay in the peer's line";
}

TEST_F(TcpProtocols, TheControlClientsChunkIsEchoedAndIsOneCodeCutToTheBuffer) {
    fake.settings.values.Compare.SameLength = true;
    TCommandNode* long_ = doc.AddCommand(abc->Parent(), "Long");
    doc.SetCode(*long_->Data(), TCode(std::vector<std::int32_t>(kCodeCapacity, 'x')));
    ControlClientRead("ABC\n", controlClient, receiver);
    EXPECT_EQ(doc.LastFiredCommand, abc->Data());
    fake.timer.running = false;
    ControlClientRead(std::string(1500, 'x'), controlClient, receiver);
    EXPECT_EQ(doc.LastFiredCommand, long_->Data());
    EXPECT_EQ(controlClient.received, "ABC\n" + std::string(1500, 'x'));
}

TEST_F(TcpProtocols, InfoTextShowsTheLastTextOfABurstOnceAndBlankTextShowsNothing) {
    TInfoText text;
    EXPECT_FALSE(text.Keep(" \r\n"));
    EXPECT_FALSE(text.Keep(""));
    EXPECT_EQ(text.Take(), "");
    EXPECT_TRUE(text.Keep("Hello\r\n"));
    EXPECT_TRUE(text.Keep("World"));
    EXPECT_FALSE(text.Keep("\r\n"));
    EXPECT_EQ(text.Take(), "World");
    EXPECT_EQ(text.Take(), "");
}

TEST_F(TcpProtocols, AStoredPortOutOfRangeFallsBackAndTheInfoTypeChoosesTheSocket) {
    settings.SetInt("TCP/IP server port", 70000);
    EXPECT_EQ(StoredPort(settings, "TCP/IP server port"), 2020);
    EXPECT_EQ(ChosenInfoSocket(settings), TInfoSocket::None);
    settings.SetBool("TCP/IP info send action", true);
    settings.SetInt("TCP/IP info type", 5);
    EXPECT_EQ(ChosenInfoSocket(settings), TInfoSocket::Server);
    settings.SetInt("TCP/IP info type", 1);
    EXPECT_EQ(ChosenInfoSocket(settings), TInfoSocket::Client);
}

} // namespace
