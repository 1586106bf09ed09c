#include "engine/serial/PortSettings.h"

namespace tav {

TSerialLine ReadSerialLine(const TSettings& settings, const TPortSettingNames& names) {
    return {settings.Int(names.Port), settings.Int(names.Speed), settings.Int(names.Parity),
            settings.Int(names.DataBits), settings.Int(names.StopBits)};
}

} // namespace tav
