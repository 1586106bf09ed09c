#include "engine/network/ControlClient.h"

#include <cstdint>
#include <span>

namespace tav {

void ControlClientRead(const std::string& chunk, IClientPeer& server, TCodeReceiver& receiver) {
    server.Send(chunk);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(chunk.data());
    receiver.ReceiveWhole(
        [&](TReceivedCode& rc) { rc.ReplaceBytes(std::span(bytes, chunk.size())); },
        [&](const TReceivedCode&, TDataFormat) { return chunk; });
}

} // namespace tav
