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

// The ports the dialog lists beside any other port a setting names.
inline constexpr int kListedComPorts = 8;

struct TSerialChoice {
    TSerialLine Line;
    bool Dtr = false;
    bool Rts = false;
    std::string InitString;
    bool operator==(const TSerialChoice&) const = default;
};

// The port's stored settings, each line setting kept to its list (ReadSerialLine): the output
// port holds none until it is first set up, and shows the default entries, so that Accept never
// stores a port or an index that no entry is.
TSerialChoice StoredSerialChoice(const TSettings& settings, const TPortSettingNames& names);

// Stores the choice as the port's settings; the init string only where the port has one.
void StoreSerialChoice(TSettings& settings, const TPortSettingNames& names,
                       const TSerialChoice& choice);

} // namespace tav
