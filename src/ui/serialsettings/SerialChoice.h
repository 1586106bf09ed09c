#pragma once
// What the serial-port dialog shows of a port and hands back after Accept: the line settings as
// the indexes of its lists, the two control lines and the receiver's init string.

#include "engine/serial/DeviceDefaults.h"
#include "engine/serial/PortSettings.h"

#include <string>

namespace tav {

// Which port the dialog edits: the receiver's and the console's are kReceiverPortKind and
// kConsolePortKind; this one is the port the send-data action writes to.
inline constexpr int kOutputPortKind = 0;
// The settings of the port of `portKind`.
const TPortSettingNames& PortSettingsOf(int portKind);

// The entries of the dialog's lists: COM1..COM8; 110..115200 baud; None, Odd, Even, Mark,
// Space; 5..8 data bits; 1, 1.5, 2 stop bits.
inline constexpr int kComPortCount = 8;
inline constexpr int kSpeedCount = 13;
inline constexpr int kParityCount = 5;
inline constexpr int kDataBitsCount = 4;
inline constexpr int kStopBitsCount = 3;

struct TSerialChoice {
    TSerialLine Line;
    bool Dtr = false;
    bool Rts = false;
    std::string InitString;
    bool operator==(const TSerialChoice&) const = default;
};

// The port's stored settings as the lists can show them: a value no entry stands for (the
// output port holds none until it is first set up, which reads as -1) shows the default entry
// instead, so that Accept never stores a port or an index that no entry is.
TSerialChoice StoredSerialChoice(const TSettings& settings, const TPortSettingNames& names);

// Stores the choice as the port's settings; the init string only where the port has one.
void StoreSerialChoice(TSettings& settings, const TPortSettingNames& names,
                       const TSerialChoice& choice);

} // namespace tav
