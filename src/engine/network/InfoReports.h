#pragma once
// The TCP half of the recognizer's report port: the info line of each fired command goes to
// every connection of the info server, to the info client while it is active, and to the
// control connection whose line is being dispatched. That connection is kept by id and looked
// up when the line is sent, since it may have gone while an action ran. Text that arrives on
// the info sockets is shown on the screen. The info server takes peers from the control
// server's allowed range only: the lines tell what the user does, and its peers' text shows
// on the screen.

#include "engine/network/SocketPeers.h"
#include "engine/settings/Settings.h"

#include <string>
#include <utility>

namespace tav {

class TInfoReports {
public:
    // Every reference must outlive this object.
    TInfoReports(IServerPeers& infoServer, IClientPeer& infoClient, IServerPeers& controlServer)
        : infoServer_(infoServer), infoClient_(infoClient), controlServer_(controlServer) {}

    void SendInfoLine(const std::string& line);
    // The control connection whose line is dispatched now; cleared when the dispatch ends.
    void SetReplyConnection(TConnectionId connection) { reply_ = connection; }
    void ClearReplySocket() { reply_ = kNoConnection; }

private:
    IServerPeers& infoServer_;
    IClientPeer& infoClient_;
    IServerPeers& controlServer_;
    TConnectionId reply_ = kNoConnection;
};

// A new connection of the info server, from the peer of dotted address `address`: one outside
// the allowed range is closed without a word.
void InfoServerConnect(const TSettings& settings, IServerPeers& infoServer,
                       TConnectionId connection, const std::string& address);

// Text received on the info sockets, each chunk whole. A peer's burst arrives in many chunks,
// and shaping the display for each kept the program busy for the whole burst: the chunk that
// came last replaces the others, and the display shows it once the burst has been read. A blank
// chunk (nothing to draw) replaces nothing.
class TInfoText {
public:
    // False when `text` is blank.
    bool Keep(const std::string& text);
    // The text kept last, once; empty when none waits.
    std::string Take() { return std::exchange(text_, {}); }

private:
    std::string text_;
};

} // namespace tav
