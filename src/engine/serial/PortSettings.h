#pragma once
// The stored settings of the receiver port and the console port. The settings model is the
// main window's copy of them: the serial origins open their ports from it, and choosing a
// device type writes its presets into it.

#include "engine/serial/SerialPorts.h"
#include "engine/settings/Settings.h"

#include <string_view>

namespace tav {

struct TPortSettingNames {
    std::string_view Port; // COM number
    std::string_view Speed;
    std::string_view Parity;
    std::string_view DataBits;
    std::string_view StopBits;
    std::string_view Dtr;
    std::string_view Rts;
    std::string_view InitString;
    std::string_view Type; // device type name
};

inline constexpr TPortSettingNames kReceiverPortSettings{.Port = "Serial port",
                                                         .Speed = "Serial speed",
                                                         .Parity = "Serial parity",
                                                         .DataBits = "Serial databits",
                                                         .StopBits = "Serial stopbits",
                                                         .Dtr = "Serial DTR",
                                                         .Rts = "Serial RTS",
                                                         .InitString = "Serial init string",
                                                         .Type = "Serial port type"};

inline constexpr TPortSettingNames kConsolePortSettings{.Port = "Serial2 port",
                                                        .Speed = "Serial2 speed",
                                                        .Parity = "Serial2 parity",
                                                        .DataBits = "Serial2 databits",
                                                        .StopBits = "Serial2 stopbits",
                                                        .Dtr = "Serial2 DTR",
                                                        .Rts = "Serial2 RTS",
                                                        .InitString = "Serial2 init string",
                                                        .Type = "Serial2 port type"};

// The port that only the send-data action writes to.
inline constexpr TPortSettingNames kDataPortSettings{.Port = "Output data serial port",
                                                     .Speed = "Output data Serial speed",
                                                     .Parity = "Output data Serial parity",
                                                     .DataBits = "Output data Serial databits",
                                                     .StopBits = "Output data Serial stopbits",
                                                     .Dtr = "Output data Serial DTR",
                                                     .Rts = "Output data Serial RTS"};

// The port's stored line, each value kept to its list: one outside it (a hand-edited registry,
// another program's value) counts as its default, or as the line's default for the output
// port's values, which have none.
TSerialLine ReadSerialLine(const TSettings& settings, const TPortSettingNames& names);

} // namespace tav
