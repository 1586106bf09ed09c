#pragma once
// Non-blocking TCP sockets whose events arrive on the main thread: Winsock posts its
// notifications to the application's hidden window, which hands them to the socket they
// concern. A server socket listens on a port and keeps its connections under ids that are
// never used twice; a client socket connects to a host and port. Socket errors are reported to
// the error event and go no further: no exception, no message box.
//
// Text goes out in order: what a peer's socket cannot take at once waits and goes when the
// socket can be written again. A connection whose waiting text stays over its bound (a peer
// that stopped reading) breaks with WSAENOBUFS, reported from the message loop like any other
// error; closing a connection drops what still waits. A notice reads what the socket holds, a
// few chunks at most, so that a burst takes few notices and other messages keep their turn.

#include "framework/Component.h"
#include "framework/ConnectionId.h"
#include "framework/UnsentBytes.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tav {

using TSocketNotifyEvent = std::function<void(TObject* sender, TConnectionId connection)>;
using TSocketReadEvent =
    std::function<void(TObject* sender, TConnectionId connection, const std::string& text)>;
// `connection` is kNoConnection when the server could not listen.
using TSocketErrorEvent =
    std::function<void(TObject* sender, TConnectionId connection, int errorCode)>;
using TClientReadEvent = std::function<void(TObject* sender, const std::string& text)>;
using TClientErrorEvent = std::function<void(TObject* sender, int errorCode)>;

// The part shared by both kinds: the routing of Winsock's notifications to their socket.
class TCustomSocket : public TComponent {
public:
    ~TCustomSocket() override;
    // Delivers a notification the application window got; false when it was none.
    static bool Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    TCustomSocket(TComponent* owner, std::string name);
    // Asks for `events` (FD_*) of `socket` to reach this object's SocketEvent; false when
    // Winsock refused.
    bool Watch(UINT_PTR socket, long events);
    // Closes `socket`; notifications still queued for it are dropped.
    static void CloseWatched(UINT_PTR socket);
    // Whether `socket` is still open and belongs to `owner`: a handler may have closed it, or
    // freed the owner, while its event ran; so only the address is compared.
    static bool Owns(const TCustomSocket* owner, UINT_PTR socket);
    virtual void SocketEvent(UINT_PTR socket, int event, int error) = 0;
};

class TServerSocket : public TCustomSocket {
public:
    struct Args {
        int Port = 0;
        bool Active = false;
        TSocketNotifyEvent OnClientConnect;
        TSocketReadEvent OnClientRead;
        // Fired while the connection can still be written to; it is closed right after.
        TSocketNotifyEvent OnClientDisconnect;
        TSocketErrorEvent OnClientError;
    };
    TServerSocket(TComponent* owner, std::string name = {});
    ~TServerSocket() override;
    static TServerSocket* Construct(TComponent* owner, std::string name, Args&) {
        return new TServerSocket(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    // Listening starts and stops; stopping disconnects every connection. A port that cannot
    // be listened on reports its error and leaves the server inactive.
    bool Active() const { return listener_ != kNone; }
    void SetActive(bool active);
    // Taken at the next activation. 0 lets the system choose.
    int Port() const { return port_; }
    void SetPort(int port) { port_ = port; }
    // The port listened on while active (the chosen one for port 0), else 0.
    int LocalPort() const;

    // The open connections, oldest first.
    std::vector<TConnectionId> Connections() const;
    // The peer's dotted address; empty when the connection has gone.
    std::string RemoteAddress(TConnectionId connection) const;
    // False when the connection has gone or broke; true when the text went or waits to go.
    bool SendText(TConnectionId connection, const std::string& text);
    // Fires the disconnect event, then closes the connection; nothing when it has gone.
    void Disconnect(TConnectionId connection);

    TSocketNotifyEvent OnClientConnect;
    TSocketReadEvent OnClientRead;
    TSocketNotifyEvent OnClientDisconnect;
    TSocketErrorEvent OnClientError;

private:
    static constexpr UINT_PTR kNone = ~UINT_PTR(0);
    struct Connection {
        TConnectionId Id;
        UINT_PTR Socket;
        std::string Address;
        // Its disconnect event runs: it is closed when the event ends.
        bool Closing = false;
        TUnsentBytes Unsent;
        // The error that broke it while sending; it is dropped by the next notice, since the
        // sender may be inside a handler of this very connection.
        int Failure = 0;
    };
    void SocketEvent(UINT_PTR socket, int event, int error) override;
    void Accept();
    // Reads once, or (at the peer's close) until nothing is left; the connection ends when the
    // peer closed it or an error broke it.
    void Receive(TConnectionId id, bool toTheEnd);
    void Drop(TConnectionId id, int error);
    // Sends what waits, at FD_WRITE; a connection that broke meanwhile is dropped.
    void SendWaiting(TConnectionId id);
    Connection* Find(TConnectionId id);
    const Connection* Find(TConnectionId id) const;

    int port_ = 0;
    UINT_PTR listener_ = kNone;
    std::vector<Connection> connections_;
};

class TClientSocket : public TCustomSocket {
public:
    struct Args {
        std::string Host;
        int Port = 0;
        bool Active = false;
        TClientReadEvent OnRead;
        TClientErrorEvent OnError;
    };
    TClientSocket(TComponent* owner, std::string name = {});
    ~TClientSocket() override;
    static TClientSocket* Construct(TComponent* owner, std::string name, Args&) {
        return new TClientSocket(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    // Active from the start of connecting until the socket closes: by SetActive(false), by
    // the server, or after an error, which the error event reports once the socket is closed.
    // Errors reach it from the message loop, also those found while starting (an unknown host,
    // a bad port), never inside SetActive; only a socket that cannot be made at all is
    // reported at once.
    bool Active() const { return socket_ != kNone; }
    void SetActive(bool active);
    // Both taken at the next activation.
    const std::string& Host() const { return host_; }
    void SetHost(std::string host) { host_ = std::move(host); }
    int Port() const { return port_; }
    void SetPort(int port) { port_ = port; }

    // False when inactive or broken; true when the text went or waits to go, also while the
    // socket still connects.
    bool SendText(const std::string& text);

    TClientReadEvent OnRead;
    TClientErrorEvent OnError;

private:
    static constexpr UINT_PTR kNone = ~UINT_PTR(0);
    void SocketEvent(UINT_PTR socket, int event, int error) override;
    void Fail(int error);

    std::string host_;
    int port_ = 0;
    UINT_PTR socket_ = kNone;
    TUnsentBytes unsent_;
    // As a server's connection's Failure.
    int failure_ = 0;
};

} // namespace tav
