#pragma once
// Serial-mouse packets carried in a received code: groups of six values whose first three are a
// mouse protocol packet.

#include "engine/document/Code.h"

#include <vector>

namespace tav {

struct TPointerMove {
    int Dx = 0;
    int Dy = 0;
    bool operator==(const TPointerMove&) const = default;
};

// The relative moves of the packets, up to the first group whose first value lacks the
// packet-start bit. Only whole packets inside the code are read.
std::vector<TPointerMove> DecodeMousePackets(const TCode& code);

} // namespace tav
