#include "ui/serialsettings/SerialChoice.h"

namespace tav {

namespace {

std::int32_t Listed(std::int32_t value, std::int32_t first, int count, std::int32_t fallback) {
    return value >= first && value < first + count ? value : fallback;
}

} // namespace

const TPortSettingNames& PortSettingsOf(int portKind) {
    switch (portKind) {
    case kReceiverPortKind:
        return kReceiverPortSettings;
    case kConsolePortKind:
        return kConsolePortSettings;
    default:
        return kDataPortSettings;
    }
}

TSerialChoice StoredSerialChoice(const TSettings& settings, const TPortSettingNames& names) {
    const TSerialLine stored = ReadSerialLine(settings, names);
    const TSerialLine fallback;
    TSerialChoice choice;
    choice.Line = {Listed(stored.ComNumber, 1, kComPortCount, fallback.ComNumber),
                   Listed(stored.Speed, 0, kSpeedCount, fallback.Speed),
                   Listed(stored.Parity, 0, kParityCount, fallback.Parity),
                   Listed(stored.DataBits, 0, kDataBitsCount, fallback.DataBits),
                   Listed(stored.StopBits, 0, kStopBitsCount, fallback.StopBits)};
    choice.Dtr = settings.Bool(names.Dtr);
    choice.Rts = settings.Bool(names.Rts);
    if (!names.InitString.empty())
        choice.InitString = settings.Str(names.InitString);
    return choice;
}

void StoreSerialChoice(TSettings& settings, const TPortSettingNames& names,
                       const TSerialChoice& choice) {
    settings.SetInt(names.Port, choice.Line.ComNumber);
    settings.SetInt(names.Speed, choice.Line.Speed);
    settings.SetInt(names.Parity, choice.Line.Parity);
    settings.SetInt(names.DataBits, choice.Line.DataBits);
    settings.SetInt(names.StopBits, choice.Line.StopBits);
    settings.SetBool(names.Dtr, choice.Dtr);
    settings.SetBool(names.Rts, choice.Rts);
    if (!names.InitString.empty())
        settings.SetStr(names.InitString, choice.InitString);
}

} // namespace tav
