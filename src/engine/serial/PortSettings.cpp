#include "engine/serial/PortSettings.h"

namespace tav {

namespace {

// The model keeps each value to its list; the output port's values, which have no default,
// read -1 when absent and take the line's default then.
std::int32_t Kept(const TSettings& settings, std::string_view name, std::int32_t lineDefault) {
    const std::int32_t stored = settings.Int(name);
    return SettingTakes(*FindSettingDef(name), stored) ? stored : lineDefault;
}

} // namespace

TSerialLine ReadSerialLine(const TSettings& settings, const TPortSettingNames& names) {
    const TSerialLine d;
    return {Kept(settings, names.Port, d.ComNumber), Kept(settings, names.Speed, d.Speed),
            Kept(settings, names.Parity, d.Parity), Kept(settings, names.DataBits, d.DataBits),
            Kept(settings, names.StopBits, d.StopBits)};
}

} // namespace tav
