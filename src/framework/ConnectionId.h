#pragma once
// A connection of a server socket, named for as long as the program runs: ids are never used
// twice, so code that kept one learns that its connection has gone instead of reaching another.

#include <cstdint>

namespace tav {

using TConnectionId = std::uint64_t;
// The server's own listening socket in its error event; never a connection.
inline constexpr TConnectionId kNoConnection = 0;

} // namespace tav
