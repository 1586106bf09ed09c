#include "engine/network/SocketSettings.h"

namespace tav {

int StoredPort(const TSettings& settings, std::string_view name) {
    return settings.Int(name);
}

TInfoSocket ChosenInfoSocket(const TSettings& settings) {
    const bool anyPart =
        settings.Bool("TCP/IP info send remote") || settings.Bool("TCP/IP info send command") ||
        settings.Bool("TCP/IP info send data") || settings.Bool("TCP/IP info send action");
    if (!anyPart)
        return TInfoSocket::None;
    return settings.Int("TCP/IP info type") == 1 ? TInfoSocket::Client : TInfoSocket::Server;
}

} // namespace tav
