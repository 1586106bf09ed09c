#include "engine/network/InfoReports.h"

#include "engine/network/IpAddress.h"

#include <algorithm>

namespace tav {

void TInfoReports::SendInfoLine(const std::string& line) {
    for (TConnectionId connection : infoServer_.Connections())
        infoServer_.Send(connection, line);
    if (infoClient_.Active())
        infoClient_.Send(line);
    if (reply_ != kNoConnection)
        controlServer_.Send(reply_, line);
}

void InfoServerConnect(const TSettings& settings, IServerPeers& infoServer,
                       TConnectionId connection, const std::string& address) {
    if (!AllowedPeer(settings, address))
        infoServer.Close(connection);
}

bool TInfoText::Keep(const std::string& text) {
    // The display cuts its window to the outline of the glyphs: without one it has no shape.
    if (std::none_of(text.begin(), text.end(), [](unsigned char c) { return c > ' '; }))
        return false;
    text_ = text;
    return true;
}

} // namespace tav
