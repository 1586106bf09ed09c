#include "engine/recognition/MousePackets.h"

#include <cstdint>

namespace tav {

std::vector<TPointerMove> DecodeMousePackets(const TCode& code) {
    std::vector<TPointerMove> moves;
    for (int first = 0; first + 2 <= code.LastIndex(); first += 6) {
        const auto p = code.Values().subspan(static_cast<std::size_t>(first));
        if (p[0] < 0x40)
            break;
        const auto dx = static_cast<std::int8_t>(((p[0] & 3) << 6) | (p[1] & 0xFF));
        const auto dy = static_cast<std::int8_t>(((p[0] & 0x0C) << 4) | (p[2] & 0xFF));
        moves.push_back({dx, dy});
    }
    return moves;
}

} // namespace tav
