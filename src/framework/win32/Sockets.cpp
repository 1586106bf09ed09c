#include "framework/win32/Sockets.h"

#include "framework/Text.h"
#include "framework/win32/Forms.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <unordered_map>

namespace tav {
namespace {

UINT SocketMessage() {
    static const UINT message = RegisterWindowMessageA("Tavrilo.SocketNotice");
    return message;
}

// Which object each open socket's notifications go to.
std::unordered_map<UINT_PTR, TCustomSocket*>& Owners() {
    static std::unordered_map<UINT_PTR, TCustomSocket*> map;
    return map;
}

TConnectionId NextConnectionId() {
    static TConnectionId next = kNoConnection;
    return ++next;
}

int StartWinsock() {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data);
}

int InstallSocketHook() {
    return Application().HookMainWindow(
        [](TMessage& m) { return TCustomSocket::Dispatch(m.Msg, m.WParam, m.LParam); });
}

bool ValidPort(int port) {
    return port >= 0 && port <= 0xFFFF;
}

std::string DottedAddress(const in_addr& address) {
    const auto* b = reinterpret_cast<const unsigned char*>(&address);
    return IntToStr(b[0]) + "." + IntToStr(b[1]) + "." + IntToStr(b[2]) + "." + IntToStr(b[3]);
}

constexpr int kChunkSize = 8192;
constexpr int kMostChunksPerNotice = 16;

// Reads what `socket` holds now, a chunk at a time, giving each to `take`, which answers
// whether to go on (its handler may have closed the socket). A notice reads a few chunks at
// most: the rest comes with the next one. At the peer's close (`toTheEnd`) no notice follows,
// so everything is read. The connection's end when reading met it: 0 when the peer closed it,
// else the error.
template <typename Take> std::optional<int> ReadChunks(UINT_PTR socket, bool toTheEnd, Take take) {
    char buffer[kChunkSize];
    for (int chunks = 0; toTheEnd || chunks < kMostChunksPerNotice; ++chunks) {
        const int n = recv(socket, buffer, sizeof(buffer), 0);
        if (n > 0) {
            if (!take(std::string(buffer, static_cast<std::size_t>(n))))
                return std::nullopt;
            continue;
        }
        const int error = n == 0 ? 0 : WSAGetLastError();
        // A notice for a socket whose number was used again finds nothing to read.
        if (error == WSAEWOULDBLOCK)
            return std::nullopt;
        return error;
    }
    return std::nullopt;
}

// Hands the system as much of the waiting text as it takes now. 0, or the error that broke
// the connection; a full socket is none: the system tells FD_WRITE once it has room. A client
// that still connects keeps its text until FD_CONNECT.
int SendWaiting(UINT_PTR socket, TUnsentBytes& unsent) {
    while (!unsent.Waiting().empty()) {
        const std::string_view waiting = unsent.Waiting();
        const int n = send(socket, waiting.data(),
                           static_cast<int>(std::min<std::size_t>(waiting.size(), INT_MAX)), 0);
        if (n == SOCKET_ERROR) {
            const int error = WSAGetLastError();
            return error == WSAEWOULDBLOCK || error == WSAENOTCONN ? 0 : error;
        }
        unsent.Sent(static_cast<std::size_t>(n));
    }
    return 0;
}

// `text` after the text that waits. 0, or the error that broke the connection.
int SendAfterWaiting(UINT_PTR socket, TUnsentBytes& unsent, std::string_view text) {
    // Text waits only while the system has no room, and it tells when it has: until then a
    // send would only be refused.
    const bool full = !unsent.Waiting().empty();
    unsent.Keep(text);
    if (!full)
        if (const int error = SendWaiting(socket, unsent); error != 0)
            return error;
    return unsent.OverBound() ? WSAENOBUFS : 0;
}

// A socket that broke while sending is dropped from the message loop, never inside the send:
// the sender may be in a handler of that very socket. The notice carries no error, so that a
// socket that took the number since finds only a call to send what waits.
void PostWriteNotice(UINT_PTR socket) {
    PostMessageA(Application().Handle(), SocketMessage(), socket, WSAMAKESELECTREPLY(FD_WRITE, 0));
}

} // namespace

TCustomSocket::TCustomSocket(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {
    static const int started = StartWinsock();
    static const int hook = InstallSocketHook();
    (void)started;
    (void)hook;
}

TCustomSocket::~TCustomSocket() = default;

bool TCustomSocket::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != SocketMessage())
        return false;
    const auto it = Owners().find(static_cast<UINT_PTR>(wParam));
    // A notice may still be queued for a socket that was closed since.
    if (it != Owners().end())
        it->second->SocketEvent(static_cast<UINT_PTR>(wParam), WSAGETSELECTEVENT(lParam),
                                WSAGETSELECTERROR(lParam));
    return true;
}

bool TCustomSocket::Watch(UINT_PTR socket, long events) {
    Owners()[socket] = this;
    if (WSAAsyncSelect(socket, Application().Handle(), SocketMessage(), events) == 0)
        return true;
    Owners().erase(socket);
    return false;
}

void TCustomSocket::CloseWatched(UINT_PTR socket) {
    Owners().erase(socket);
    closesocket(socket);
}

bool TCustomSocket::Owns(const TCustomSocket* owner, UINT_PTR socket) {
    const auto it = Owners().find(socket);
    return it != Owners().end() && it->second == owner;
}

// ---------------------------------------------------------------------------------------

TServerSocket::TServerSocket(TComponent* owner, std::string name)
    : TCustomSocket(owner, std::move(name)) {}

// No event fires any more: the sockets just close.
TServerSocket::~TServerSocket() {
    if (Active())
        CloseWatched(listener_);
    for (const Connection& c : connections_)
        CloseWatched(c.Socket);
}

void TServerSocket::ApplyArgs(Args& args) {
    OnClientConnect = std::move(args.OnClientConnect);
    OnClientRead = std::move(args.OnClientRead);
    OnClientDisconnect = std::move(args.OnClientDisconnect);
    OnClientError = std::move(args.OnClientError);
    SetPort(args.Port);
    SetActive(args.Active);
}

void TServerSocket::SetActive(bool active) {
    if (active == Active())
        return;
    if (!active) {
        CloseWatched(listener_);
        listener_ = kNone;
        std::vector<TConnectionId> ids;
        for (const Connection& c : connections_)
            ids.push_back(c.Id);
        for (TConnectionId id : ids)
            Disconnect(id);
        return;
    }
    if (!ValidPort(port_)) {
        Fire(OnClientError, this, kNoConnection, WSAEINVAL);
        return;
    }
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        Fire(OnClientError, this, kNoConnection, WSAGetLastError());
        return;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<u_short>(port_));
    if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
        listen(s, SOMAXCONN) == 0 && Watch(s, FD_ACCEPT)) {
        listener_ = s;
        return;
    }
    const int error = WSAGetLastError();
    closesocket(s);
    Fire(OnClientError, this, kNoConnection, error);
}

int TServerSocket::LocalPort() const {
    sockaddr_in address{};
    int size = sizeof(address);
    if (!Active() || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return 0;
    return ntohs(address.sin_port);
}

std::vector<TConnectionId> TServerSocket::Connections() const {
    std::vector<TConnectionId> ids;
    for (const Connection& c : connections_)
        ids.push_back(c.Id);
    return ids;
}

std::string TServerSocket::RemoteAddress(TConnectionId connection) const {
    const Connection* c = Find(connection);
    return c != nullptr ? c->Address : std::string();
}

bool TServerSocket::SendText(TConnectionId connection, const std::string& text) {
    Connection* c = Find(connection);
    if (c == nullptr || c->Failure != 0)
        return false;
    c->Failure = SendAfterWaiting(c->Socket, c->Unsent, text);
    if (c->Failure == 0)
        return true;
    c->Unsent.Clear();
    PostWriteNotice(c->Socket);
    return false;
}

void TServerSocket::Disconnect(TConnectionId connection) {
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [connection](const Connection& c) { return c.Id == connection; });
    if (it == connections_.end() || it->Closing)
        return;
    // Marked, so that the handler's own Disconnect of it does nothing.
    it->Closing = true;
    const UINT_PTR socket = it->Socket;
    Fire(OnClientDisconnect, this, connection);
    if (!Owns(this, socket))
        return;
    std::erase_if(connections_, [connection](const Connection& c) { return c.Id == connection; });
    CloseWatched(socket);
}

void TServerSocket::SocketEvent(UINT_PTR socket, int event, int error) {
    if (socket == listener_) {
        if (event == FD_ACCEPT)
            Accept();
        return;
    }
    const auto it = std::find_if(connections_.begin(), connections_.end(),
                                 [socket](const Connection& c) { return c.Socket == socket; });
    if (it == connections_.end())
        return;
    const TConnectionId id = it->Id;
    if (error != 0)
        Drop(id, error);
    else if (event == FD_WRITE)
        SendWaiting(id);
    else if (event == FD_READ || event == FD_CLOSE)
        Receive(id, event == FD_CLOSE);
}

void TServerSocket::SendWaiting(TConnectionId id) {
    Connection* c = Find(id);
    if (c->Failure == 0)
        c->Failure = tav::SendWaiting(c->Socket, c->Unsent);
    if (c->Failure != 0)
        Drop(id, c->Failure);
}

void TServerSocket::Accept() {
    sockaddr_in peer{};
    int size = sizeof(peer);
    const SOCKET s = accept(listener_, reinterpret_cast<sockaddr*>(&peer), &size);
    if (s == INVALID_SOCKET) {
        // A notice left from before may find nobody waiting.
        if (const int error = WSAGetLastError(); error != WSAEWOULDBLOCK)
            Fire(OnClientError, this, kNoConnection, error);
        return;
    }
    if (!Watch(s, FD_READ | FD_WRITE | FD_CLOSE)) {
        closesocket(s);
        return;
    }
    const TConnectionId id = NextConnectionId();
    connections_.push_back({id, s, DottedAddress(peer.sin_addr)});
    Fire(OnClientConnect, this, id);
}

void TServerSocket::Receive(TConnectionId id, bool toTheEnd) {
    const auto reading = [this, id] {
        const Connection* c = Find(id);
        return c != nullptr && !c->Closing && c->Failure == 0;
    };
    if (!reading())
        return;
    const UINT_PTR socket = Find(id)->Socket;
    const std::optional<int> end = ReadChunks(socket, toTheEnd, [&](std::string text) {
        Fire(OnClientRead, this, id, text);
        // The handler may have closed the connection, stopped the server or freed it.
        return Owns(this, socket) && reading();
    });
    if (end)
        Drop(id, *end);
}

void TServerSocket::Drop(TConnectionId id, int error) {
    const Connection* c = Find(id);
    if (c == nullptr)
        return;
    const UINT_PTR socket = c->Socket;
    if (error != 0) {
        Fire(OnClientError, this, id, error);
        if (!Owns(this, socket))
            return;
    }
    Disconnect(id);
}

TServerSocket::Connection* TServerSocket::Find(TConnectionId id) {
    const auto it = std::find_if(connections_.begin(), connections_.end(),
                                 [id](const Connection& c) { return c.Id == id; });
    return it != connections_.end() ? &*it : nullptr;
}

const TServerSocket::Connection* TServerSocket::Find(TConnectionId id) const {
    return const_cast<TServerSocket*>(this)->Find(id);
}

// ---------------------------------------------------------------------------------------

TClientSocket::TClientSocket(TComponent* owner, std::string name)
    : TCustomSocket(owner, std::move(name)) {}

TClientSocket::~TClientSocket() {
    if (Active())
        CloseWatched(socket_);
}

void TClientSocket::ApplyArgs(Args& args) {
    OnRead = std::move(args.OnRead);
    OnError = std::move(args.OnError);
    SetHost(std::move(args.Host));
    SetPort(args.Port);
    SetActive(args.Active);
}

void TClientSocket::SetActive(bool active) {
    if (active == Active())
        return;
    if (!active) {
        CloseWatched(socket_);
        socket_ = kNone;
        unsent_.Clear();
        failure_ = 0;
        return;
    }
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET || !Watch(s, FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE)) {
        const int error = WSAGetLastError();
        if (s != INVALID_SOCKET)
            closesocket(s);
        Fire(OnError, this, error);
        return;
    }
    socket_ = s;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    int error = ValidPort(port_) ? 0 : WSAEINVAL;
    // The host is looked up here; connecting does not block.
    if (error == 0)
        error = getaddrinfo(host_.c_str(), IntToStr(port_).c_str(), &hints, &found);
    if (error == 0) {
        if (connect(s, found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0)
            error = WSAGetLastError();
        freeaddrinfo(found);
    }
    // A failure to start arrives like a failure to connect, from the message loop: the error
    // handler may close what the caller is opening right now.
    if (error != 0 && error != WSAEWOULDBLOCK)
        PostMessageA(Application().Handle(), SocketMessage(), s,
                     WSAMAKESELECTREPLY(FD_CONNECT, error));
}

bool TClientSocket::SendText(const std::string& text) {
    if (!Active() || failure_ != 0)
        return false;
    failure_ = SendAfterWaiting(socket_, unsent_, text);
    if (failure_ == 0)
        return true;
    unsent_.Clear();
    PostWriteNotice(socket_);
    return false;
}

void TClientSocket::SocketEvent(UINT_PTR socket, int event, int error) {
    if (error == 0 && (event == FD_CONNECT || event == FD_WRITE)) {
        if (failure_ == 0)
            failure_ = SendWaiting(socket_, unsent_);
        error = failure_;
    }
    if (error != 0) {
        Fail(error);
        return;
    }
    if (event != FD_READ && event != FD_CLOSE)
        return;
    const std::optional<int> end = ReadChunks(socket, event == FD_CLOSE, [&](std::string text) {
        Fire(OnRead, this, text);
        return Owns(this, socket) && failure_ == 0;
    });
    if (end)
        Fail(*end);
}

void TClientSocket::Fail(int error) {
    SetActive(false);
    if (error != 0)
        Fire(OnError, this, error);
}

} // namespace tav
