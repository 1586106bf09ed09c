#include "engine/actions/win32/ActionRoad.h"

namespace tav {

TActionRoad::TActionRoad(TDocument& doc, const TSettings& settings, const TActionRoadParts& parts)
    : clock_(parts.Timer),
      executor_(settings,
                TActionPorts{&input_, &parts.Keys, &windows_, &programs_, &power_, &parts.Mixer,
                             &parts.ReceiverPort, &parts.DataPort, &parts.Display, &parts.Origins,
                             &parts.Messages, &parts.Labels, &system_}),
      timer_(doc, clock_, executor_, parts.Errors) {}

} // namespace tav
