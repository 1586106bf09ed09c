#pragma once
// The receiver device types the program knows. Each row says how the device is reached (its
// mode) and holds the line settings and recognition settings that suit it. A port's stored
// device type is the row's name, so the names are part of the stored settings.

#include "engine/settings/Settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tav {

enum TDeviceColumn : std::size_t {
    dcMode,
    dcSpeed,    // index into 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400,
                // 56000, 57600, 115200 baud
    dcParity,   // None, Odd, Even, Mark, Space
    dcDataBits, // 5, 6, 7, 8
    dcStopBits, // 1, 1.5, 2
    dcDtr,      // 1 = raised while the port is open
    dcRts,
    dcSkipFirst,
    dcTolerance,
    dcLengthLimit,
    dcValueSize,
    dcTimeOut,
    dcSameLength,
    dcBinary,
    dcThreshold,
    kDeviceColumns
};

// How a device is reached. Modes from kFirstNonSerialMode on mark rows that are no serial
// device (keyboard trapping, WinLIRC, AVerMedia) and are never a port's type.
enum TDeviceMode : std::int32_t {
    kModeGeneric = 0,        // line settings chosen by the user
    kModeFixedLine = 1,      // a serial receiver with line settings of its own
    kModeMouseProtocol = 2,  // its packets move the mouse pointer
    kModeDriver = 3,         // read through a device driver
    kFirstNonSerialMode = 10 // keyboard 10, WinLIRC 20, AVerMedia 30
};

inline constexpr std::size_t kDeviceRows = 16;
using TDeviceRow = std::array<std::int32_t, kDeviceColumns>;

extern const std::array<TDeviceRow, kDeviceRows> DeviceTable;
// The device type names, in row order.
extern const std::array<std::string_view, kDeviceRows> SerialTypes;

// The row of a device type name, letter case ignored; -1 when there is none.
int DeviceRowOf(std::string_view name);

// The modes of the receiver and console ports' device types (0..3). The main window holds
// them; recognition reads the receiver's for its mouse packets.
struct TDeviceModes {
    std::int32_t Receiver = kModeGeneric;
    std::int32_t Console = kModeGeneric;

    // From the stored device type names ("Serial port type", "Serial2 port type").
    void Load(const TSettings& settings);
};

// The mode of a port whose stored type is `name`: generic for a name that is not listed or
// that names no serial device.
std::int32_t SerialModeOf(std::string_view name);

} // namespace tav
