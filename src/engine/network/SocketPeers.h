#pragma once
// The sockets as the protocols see them: a server's connections, named by ids that outlive
// them, and a client's one link. Sending to a connection that has gone does nothing.

#include "framework/ConnectionId.h"

#include <string>
#include <vector>

namespace tav {

class IServerPeers {
public:
    virtual ~IServerPeers() = default;
    virtual std::vector<TConnectionId> Connections() const = 0;
    virtual void Send(TConnectionId connection, const std::string& text) = 0;
    virtual void Close(TConnectionId connection) = 0;
};

class IClientPeer {
public:
    virtual ~IClientPeer() = default;
    virtual bool Active() const = 0;
    virtual void Send(const std::string& text) = 0;
};

} // namespace tav
