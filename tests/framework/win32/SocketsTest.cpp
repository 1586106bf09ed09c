#include "framework/win32/Sockets.h"

#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <winsock2.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct ServerEvents {
    std::vector<TConnectionId> connected, disconnected;
    std::string read;
    std::vector<std::pair<TConnectionId, int>> errors;
    void Attach(TServerSocket& server) {
        server.OnClientConnect = [this](TObject*, TConnectionId c) { connected.push_back(c); };
        server.OnClientDisconnect = [this](TObject*, TConnectionId c) {
            disconnected.push_back(c);
        };
        server.OnClientRead = [this](TObject*, TConnectionId, const std::string& text) {
            read += text;
        };
        server.OnClientError = [this](TObject*, TConnectionId c, int e) {
            errors.emplace_back(c, e);
        };
    }
};

struct ClientEvents {
    std::string read;
    std::vector<int> errors;
    void Attach(TClientSocket& client) {
        client.OnRead = [this](TObject*, const std::string& text) { read += text; };
        client.OnError = [this](TObject*, int e) { errors.push_back(e); };
    }
};

TEST(Sockets, AServerAndAClientTalkOnLoopbackAndAConnectionThatHasGoneIsNotReachedAgain) {
    TServerSocket server(nullptr);
    ServerEvents s;
    s.Attach(server);
    server.SetActive(true);
    ASSERT_TRUE(server.Active());
    TClientSocket client(nullptr);
    ClientEvents c;
    c.Attach(client);
    client.SetHost("localhost");
    client.SetPort(server.LocalPort());
    client.SetActive(true);
    ASSERT_TRUE(test::PumpUntil([&] { return !s.connected.empty(); }, 3s));
    const TConnectionId id = s.connected[0];
    EXPECT_EQ(server.RemoteAddress(id), "127.0.0.1");

    EXPECT_TRUE(client.SendText("hello"));
    EXPECT_TRUE(test::PumpUntil([&] { return s.read == "hello"; }, 3s));
    EXPECT_TRUE(server.SendText(id, "world"));
    EXPECT_TRUE(test::PumpUntil([&] { return c.read == "world"; }, 3s));

    // The disconnect event may still write to the leaving peer.
    server.OnClientDisconnect = [&](TObject*, TConnectionId gone) {
        s.disconnected.push_back(gone);
        server.SendText(gone, "bye");
        server.Disconnect(gone);
    };
    server.Disconnect(id);
    EXPECT_EQ(s.disconnected, std::vector<TConnectionId>{id});
    EXPECT_FALSE(server.SendText(id, "late"));
    EXPECT_TRUE(server.Connections().empty());
    EXPECT_TRUE(test::PumpUntil([&] { return !client.Active(); }, 3s))
        << "the client ends when the server closes";
    EXPECT_EQ(c.read, "worldbye");
    EXPECT_TRUE(c.errors.empty());
    EXPECT_TRUE(s.errors.empty());
}

TEST(Sockets, AClosingPeerEndsItsConnectionAndStoppingTheServerEndsEveryOne) {
    TServerSocket server(nullptr);
    ServerEvents s;
    s.Attach(server);
    server.SetActive(true);
    TClientSocket first(nullptr), second(nullptr);
    for (TClientSocket* client : {&first, &second}) {
        client->SetHost("127.0.0.1");
        client->SetPort(server.LocalPort());
        client->SetActive(true);
    }
    ASSERT_TRUE(test::PumpUntil([&] { return s.connected.size() == 2; }, 3s));
    first.SendText("last words");
    first.SetActive(false);
    ASSERT_TRUE(test::PumpUntil([&] { return s.disconnected.size() == 1; }, 3s));
    EXPECT_EQ(s.read, "last words") << "what a peer sent before it closed is read first";
    EXPECT_EQ(server.Connections().size(), 1u);
    server.SetActive(false);
    EXPECT_EQ(s.disconnected.size(), 2u);
    EXPECT_TRUE(test::PumpUntil([&] { return !second.Active(); }, 3s));
}

TEST(Sockets, FailuresGoToTheErrorEventsAndTheClientsArriveFromTheMessageLoop) {
    TServerSocket taken(nullptr), server(nullptr);
    ServerEvents s;
    s.Attach(server);
    taken.SetActive(true);
    server.SetPort(taken.LocalPort());
    server.SetActive(true);
    EXPECT_FALSE(server.Active());
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_EQ(s.errors[0], std::make_pair(kNoConnection, WSAEADDRINUSE));

    const int closedPort = taken.LocalPort();
    taken.SetActive(false);
    TClientSocket client(nullptr);
    ClientEvents c;
    c.Attach(client);
    client.SetHost("127.0.0.1");
    client.SetPort(closedPort);
    client.SetActive(true);
    EXPECT_TRUE(c.errors.empty());
    EXPECT_TRUE(test::PumpUntil([&] { return !c.errors.empty(); }, 3s));
    EXPECT_FALSE(client.Active());
    client.SetPort(-1);
    client.SetActive(true);
    EXPECT_TRUE(client.Active()) << "until its error arrives";
    EXPECT_TRUE(test::PumpUntil([&] { return c.errors.size() == 2; }, 3s));
    EXPECT_EQ(c.errors[1], WSAEINVAL);
    EXPECT_FALSE(client.SendText("nobody"));
}

} // namespace
