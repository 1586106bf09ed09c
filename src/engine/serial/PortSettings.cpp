#include "engine/serial/PortSettings.h"

namespace tav {

namespace {

std::int32_t Kept(const TSettings& settings, std::string_view name, std::int32_t low,
                  std::int32_t high, std::int32_t lineDefault) {
    const std::int32_t stored = settings.Int(name);
    if (stored >= low && stored <= high)
        return stored;
    const TSettingDef* def = FindSettingDef(name);
    return def != nullptr && def->HasDefault ? def->DefaultInt : lineDefault;
}

} // namespace

TSerialLine ReadSerialLine(const TSettings& settings, const TPortSettingNames& names) {
    const TSerialLine d;
    return {Kept(settings, names.Port, 1, kLastComNumber, d.ComNumber),
            Kept(settings, names.Speed, 0, kSpeedIndexes - 1, d.Speed),
            Kept(settings, names.Parity, 0, kParityIndexes - 1, d.Parity),
            Kept(settings, names.DataBits, 0, kDataBitsIndexes - 1, d.DataBits),
            Kept(settings, names.StopBits, 0, kStopBitsIndexes - 1, d.StopBits)};
}

} // namespace tav
