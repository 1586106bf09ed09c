#include "engine/network/ControlServer.h"

#include "engine/network/IpAddress.h"

#include <cstdint>
#include <span>
#include <utility>

namespace tav {

namespace {
constexpr char kReady[] = "TVRL: ready\r\n";
constexpr char kCommandOk[] = "TVRL: cmd ok\r\n";
constexpr char kBye[] = "TVRL: bye\r\n";
} // namespace

std::optional<std::vector<std::string>> TakeLines(std::string& pending, std::string_view chunk) {
    // Measured first, so that a chunk is taken whole or not at all.
    std::size_t length = pending.size();
    for (char c : chunk) {
        if (++length > static_cast<std::size_t>(kCodeCapacity)) {
            pending.clear();
            return std::nullopt;
        }
        if (c == '\n' && length >= 2)
            length = 0;
    }
    std::vector<std::string> lines;
    for (char c : chunk) {
        pending += c;
        if (c == '\n' && pending.size() >= 2)
            lines.push_back(std::exchange(pending, {}));
    }
    return lines;
}

void TControlServer::ClientConnect(TConnectionId connection, const std::string& address) {
    if (AllowedPeer(settings_, address)) {
        lines_.emplace(connection, std::string());
        peers_.Send(connection, kReady);
        return;
    }
    peers_.Send(connection, "TVRL: IP " + address + " not allowed\r\n");
    peers_.Close(connection);
}

void TControlServer::ClientRead(TConnectionId connection, const std::string& chunk) {
    if (IOriginTestView* view = receiver_.TestView(); view != nullptr && view->Visible()) {
        peers_.Send(connection, chunk);
        view->AddLine(chunk);
        return;
    }
    const auto pending = lines_.find(connection);
    if (pending == lines_.end())
        return;
    const auto lines = TakeLines(pending->second, chunk);
    if (!lines)
        return;
    // The echo and the first line's answer go out as one write: nothing comes between them, and
    // each write is a trip through the system that the line's action would wait for.
    std::string reply = chunk;
    for (const std::string& line : *lines) {
        peers_.Send(connection, reply + kCommandOk);
        reply.clear();
        reports_.SetReplyConnection(connection);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(line.data());
        receiver_.ReceiveWhole(
            [&](TReceivedCode& rc) { rc.ReplaceBytes(std::span(bytes, line.size())); },
            [&](const TReceivedCode&, TDataFormat) { return line; });
    }
    if (!reply.empty())
        peers_.Send(connection, reply);
}

void TControlServer::ClientDisconnect(TConnectionId connection) {
    // A refused peer has had its one line.
    if (lines_.erase(connection) != 0)
        peers_.Send(connection, kBye);
}

} // namespace tav
