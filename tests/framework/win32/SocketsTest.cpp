#include "framework/win32/Sockets.h"

#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <winsock2.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct Recorded {
    std::vector<TConnectionId> connected, disconnected;
    std::string serverRead, clientRead;
    std::vector<int> errors;
    void Attach(TServerSocket& server) {
        server.OnClientConnect = [this](TObject*, TConnectionId c) { connected.push_back(c); };
        server.OnClientDisconnect = [this](TObject*, TConnectionId c) {
            disconnected.push_back(c);
        };
        server.OnClientRead = [this](TObject*, TConnectionId, const std::string& text) {
            serverRead += text;
        };
        server.OnClientError = [this](TObject*, TConnectionId, int e) { errors.push_back(e); };
    }
    void Attach(TClientSocket& client, int port) {
        client.OnRead = [this](TObject*, const std::string& text) { clientRead += text; };
        client.OnError = [this](TObject*, int e) { errors.push_back(e); };
        client.SetHost("127.0.0.1");
        client.SetPort(port);
        client.SetActive(true);
    }
};

TEST(Sockets, PeersTalkOnLoopbackAndAConnectionThatHasGoneIsNotReachedAgain) {
    Recorded r;
    TServerSocket server(nullptr);
    r.Attach(server);
    server.SetActive(true);
    TClientSocket first(nullptr), second(nullptr);
    r.Attach(first, server.LocalPort());
    ASSERT_TRUE(test::PumpUntil([&] { return r.connected.size() == 1; }, 3s));
    r.Attach(second, server.LocalPort());
    ASSERT_TRUE(test::PumpUntil([&] { return r.connected.size() == 2; }, 3s));
    const TConnectionId id = r.connected[0];
    EXPECT_EQ(server.RemoteAddress(id), "127.0.0.1");

    EXPECT_TRUE(server.SendText(id, "hello"));
    EXPECT_TRUE(test::PumpUntil([&] { return r.clientRead == "hello"; }, 3s));
    first.SendText("last words");
    first.SetActive(false);
    ASSERT_TRUE(test::PumpUntil([&] { return r.disconnected.size() == 1; }, 3s));
    EXPECT_EQ(r.serverRead, "last words") << "what a peer sent before it left is read first";
    EXPECT_FALSE(server.SendText(id, "late"));
    EXPECT_EQ(server.Connections(), std::vector<TConnectionId>{r.connected[1]});

    // The disconnect event may still write to the leaving peer, and close it again.
    server.OnClientDisconnect = [&](TObject*, TConnectionId leaving) {
        server.SendText(leaving, "bye");
        server.Disconnect(leaving);
    };
    server.SetActive(false);
    EXPECT_TRUE(server.Connections().empty());
    EXPECT_TRUE(test::PumpUntil([&] { return !second.Active(); }, 3s))
        << "a client ends when its server closes";
    EXPECT_EQ(r.clientRead, "hellobye");
    EXPECT_TRUE(r.errors.empty());
}

TEST(Sockets, FailuresGoToTheErrorEventsAndTheClientsArriveFromTheMessageLoop) {
    Recorded r;
    TServerSocket taken(nullptr), server(nullptr);
    r.Attach(server);
    taken.SetActive(true);
    server.SetPort(taken.LocalPort());
    server.SetActive(true);
    EXPECT_FALSE(server.Active());
    EXPECT_EQ(r.errors, std::vector<int>{WSAEADDRINUSE});

    const int closedPort = taken.LocalPort();
    taken.SetActive(false);
    TClientSocket client(nullptr);
    r.Attach(client, closedPort);
    EXPECT_EQ(r.errors.size(), 1u);
    EXPECT_TRUE(test::PumpUntil([&] { return r.errors.size() == 2; }, 3s));
    EXPECT_FALSE(client.Active());
    client.SetPort(-1);
    client.SetActive(true);
    EXPECT_TRUE(client.Active()) << "until its error arrives";
    EXPECT_TRUE(test::PumpUntil([&] { return r.errors.size() == 3; }, 3s));
    EXPECT_EQ(r.errors.back(), WSAEINVAL);
    EXPECT_FALSE(client.SendText("nobody"));
}

} // namespace
