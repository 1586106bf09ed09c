#pragma once
// The control client: every chunk the server sends is sent back to it unchanged and is one
// whole code, as much of it as the received-code buffer holds.

#include "engine/network/SocketPeers.h"
#include "engine/recognition/CodeReceiver.h"

#include <string>

namespace tav {

void ControlClientRead(const std::string& chunk, IClientPeer& server, TCodeReceiver& receiver);

} // namespace tav
