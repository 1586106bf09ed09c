#pragma once
// The control server's protocol. A peer inside the allowed address range is greeted with
// "TVRL: ready", any other is told it is not allowed and disconnected. What a peer sends is
// echoed and cut into lines at LF; each line is a code of its own, answered "TVRL: cmd ok"
// before it is dispatched. Each connection collects its own line, so peers that send at the
// same time never mix into one code. While the origin-test dialog shows, chunks are echoed and
// shown there instead. A leaving peer that was let in is told "TVRL: bye". Every reply ends
// with CR LF.

#include "engine/network/InfoReports.h"
#include "engine/network/SocketPeers.h"
#include "engine/recognition/CodeReceiver.h"
#include "engine/settings/Settings.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Adds `chunk` to the line `pending` has begun and takes out every line it completes. A line
// ends at an LF that is not its first value (a lone LF waits for the rest of its line). None,
// and `pending` emptied, when a line would outgrow the received-code buffer: the chunk is then
// dropped whole.
std::optional<std::vector<std::string>> TakeLines(std::string& pending, std::string_view chunk);

class TControlServer {
public:
    // Every reference must outlive the server.
    TControlServer(const TSettings& settings, TCodeReceiver& receiver, IServerPeers& peers,
                   TInfoReports& reports)
        : settings_(settings), receiver_(receiver), peers_(peers), reports_(reports) {}

    // `address` is the peer's dotted address.
    void ClientConnect(TConnectionId connection, const std::string& address);
    void ClientRead(TConnectionId connection, const std::string& chunk);
    void ClientDisconnect(TConnectionId connection);

private:
    const TSettings& settings_;
    TCodeReceiver& receiver_;
    IServerPeers& peers_;
    TInfoReports& reports_;
    // The line each peer that was let in has begun.
    std::map<TConnectionId, std::string> lines_;
};

} // namespace tav
