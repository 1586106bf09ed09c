#include "ui/serialsettings/SerialChoice.h"

namespace tav {

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
    TSerialChoice choice;
    choice.Line = ReadSerialLine(settings, names);
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
