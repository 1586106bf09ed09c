#include "framework/win32/Sockets.h"

#include "framework/UnsentBytes.h"

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

namespace {

// Numbered lines, so that a lost or repeated piece shows where.
std::string NumberedLines(std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "line " + std::to_string(i) + "\n";
    return text;
}

// Connects `client`, whose events `clientSide` records, to `server`, whose events `r` records;
// answers the connection's id.
TConnectionId Connect(Recorded& r, TServerSocket& server, Recorded& clientSide,
                      TClientSocket& client) {
    const std::size_t before = r.connected.size();
    clientSide.Attach(client, server.LocalPort());
    EXPECT_TRUE(test::PumpUntil([&] { return r.connected.size() > before; }, 3s));
    return r.connected.size() > before ? r.connected.back() : kNoConnection;
}

} // namespace

TEST(Sockets, TextAPeerCannotTakeAtOnceWaitsAndArrivesWholeAndInOrder) {
    Recorded r;
    TServerSocket server(nullptr);
    r.Attach(server);
    server.SetActive(true);
    TClientSocket client(nullptr);
    r.Attach(client, server.LocalPort());
    ASSERT_TRUE(test::PumpUntil([&] { return r.connected.size() == 1; }, 3s));
    // Far more than the system holds for a peer that does not read: nothing is pumped, so
    // neither side reads while the other sends.
    const std::string text = NumberedLines(12 << 20);
    for (std::size_t at = 0; at < text.size(); at += 64 << 10) {
        ASSERT_TRUE(server.SendText(r.connected[0], text.substr(at, 64 << 10)));
        ASSERT_TRUE(client.SendText(text.substr(at, 64 << 10)));
    }
    EXPECT_TRUE(test::PumpUntil(
        [&] { return r.clientRead.size() >= text.size() && r.serverRead.size() >= text.size(); },
        60s));
    EXPECT_TRUE(r.clientRead == text) << "the client read " << r.clientRead.size() << " bytes";
    EXPECT_TRUE(r.serverRead == text) << "the server read " << r.serverRead.size() << " bytes";
    EXPECT_TRUE(r.errors.empty());
}

TEST(Sockets, AConnectionWhoseWaitingTextStaysOverItsBoundBreaksFromTheMessageLoop) {
    Recorded r;
    TServerSocket server(nullptr);
    r.Attach(server);
    server.SetActive(true);
    Recorded clients;
    TClientSocket client(nullptr), other(nullptr);
    const TConnectionId id = Connect(r, server, clients, client);
    Connect(r, server, clients, other);
    // Nothing is pumped, so neither side reads while the other sends.
    const std::string piece(1 << 20, 'x');
    const std::size_t most = TUnsentBytes::kBound / piece.size() + 64;
    std::size_t sent = 0;
    while (sent < most && server.SendText(id, piece))
        ++sent;
    EXPECT_LT(sent, most) << "a peer that does not read is not given text without end";
    EXPECT_FALSE(server.SendText(id, "more"));
    sent = 0;
    while (sent < most && other.SendText(piece))
        ++sent;
    EXPECT_LT(sent, most);
    EXPECT_TRUE(r.disconnected.empty() && r.errors.empty() && clients.errors.empty() &&
                other.Active())
        << "not inside the send";

    ASSERT_TRUE(test::PumpUntil([&] { return !r.disconnected.empty() && !other.Active(); }, 10s));
    EXPECT_EQ(r.disconnected[0], id);
    EXPECT_EQ(r.errors, std::vector<int>{WSAENOBUFS});
    EXPECT_EQ(clients.errors, std::vector<int>{WSAENOBUFS}) << "the other client's";
    EXPECT_TRUE(test::PumpUntil([&] { return !client.Active(); }, 10s)) << "its server left";
}
