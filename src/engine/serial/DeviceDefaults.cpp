#include "engine/serial/DeviceDefaults.h"

#include "engine/recognition/ModelSettings.h"

#include <string>

namespace tav {

namespace {

constexpr std::string_view kRecognitionNumbers[] = {"Skip first", "Tolerance", "Length limit",
                                                    "Value size", "Recognition time out"};
constexpr std::string_view kRecognitionFlags[] = {"SameLength values", "Binary values"};
constexpr std::string_view kThreshold = "Binary threshold";

// The driver's pulse timings are coarser on one platform than on the other, whatever the row
// says.
std::int32_t DriverTolerance(int platformId, std::int32_t tolerance) {
    switch (platformId) {
    case kPlatformWin9x:
        return 10;
    case kPlatformNt:
        return 100;
    default:
        return tolerance;
    }
}

} // namespace

TDeviceDefaults::TDeviceDefaults(TSettings& settings, TDeviceModes& modes, int platformId,
                                 std::function<void(unsigned)> setTimeOutInterval)
    : settings_(settings), modes_(modes), platformId_(platformId),
      setTimeOutInterval_(std::move(setTimeOutInterval)) {}

void TDeviceDefaults::ApplyDeviceDefaults(int row, int portKind) {
    const TPortSettingNames* port = portKind == kReceiverPortKind  ? &kReceiverPortSettings
                                    : portKind == kConsolePortKind ? &kConsolePortSettings
                                                                   : nullptr;
    if (row >= 0 && row < static_cast<int>(kDeviceRows)) {
        const TDeviceRow& preset = DeviceTable[static_cast<std::size_t>(row)];
        if (port != nullptr)
            ApplyPort(preset, *port,
                      portKind == kReceiverPortKind ? modes_.Receiver : modes_.Console);
        ApplyRecognition(preset);
    }
    if (port != nullptr)
        StorePort(*port);
    StoreRecognition();
}

// Rows that are no serial device (the keyboard's, AVerMedia's) leave the port as it is.
void TDeviceDefaults::ApplyPort(const TDeviceRow& row, const TPortSettingNames& names,
                                std::int32_t& mode) {
    if (row[dcMode] >= kFirstNonSerialMode)
        return;
    mode = row[dcMode];
    settings_.SetStr(names.Type, std::string(settings_.Str(names.Type)));
    settings_.SetInt(names.Speed, row[dcSpeed]);
    settings_.SetInt(names.Parity, row[dcParity]);
    settings_.SetInt(names.DataBits, row[dcDataBits]);
    settings_.SetInt(names.StopBits, row[dcStopBits]);
    settings_.SetBool(names.Dtr, row[dcDtr] == 1);
    settings_.SetBool(names.Rts, row[dcRts] == 1);
}

// In the order of the settings dialog's controls; the tolerance follows the receiver's mode
// as it is now, whichever port was applied.
void TDeviceDefaults::ApplyRecognition(const TDeviceRow& row) {
    settings_.SetInt("Skip first", row[dcSkipFirst]);
    settings_.SetInt("Tolerance", modes_.Receiver == kModeDriver
                                      ? DriverTolerance(platformId_, row[dcTolerance])
                                      : row[dcTolerance]);
    settings_.SetInt("Length limit", row[dcLengthLimit]);
    settings_.SetInt("Value size", row[dcValueSize]);
    settings_.SetInt("Recognition time out", row[dcTimeOut]);
    setTimeOutInterval_(static_cast<unsigned>(RecognitionTimeOut(settings_)));
    settings_.SetBool("SameLength values", row[dcSameLength] == 1);
    settings_.SetBool("Binary values", row[dcBinary] == 1);
    settings_.SetInt(kThreshold, row[dcThreshold]);
}

// Storing writes each value the store does not hold yet.
void TDeviceDefaults::StorePort(const TPortSettingNames& names) {
    for (std::string_view name :
         {names.Port, names.Speed, names.Parity, names.DataBits, names.StopBits})
        settings_.SetInt(name, settings_.Int(name));
    for (std::string_view name : {names.Dtr, names.Rts})
        settings_.SetBool(name, settings_.Bool(name));
    settings_.SetStr(names.InitString, std::string(settings_.Str(names.InitString)));
}

void TDeviceDefaults::StoreRecognition() {
    for (std::string_view name : kRecognitionNumbers)
        settings_.SetInt(name, settings_.Int(name));
    for (std::string_view name : kRecognitionFlags)
        settings_.SetBool(name, settings_.Bool(name));
    settings_.SetInt(kThreshold, settings_.Int(kThreshold));
}

} // namespace tav
