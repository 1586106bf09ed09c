#include "engine/serial/DeviceTable.h"

#include "engine/serial/PortSettings.h"

#include "framework/Text.h"

namespace tav {

// clang-format off
const std::array<TDeviceRow, kDeviceRows> DeviceTable{{
//   mode speed par data stop DTR RTS skip  tol len size time same bin thr
    {0,   8,    0,  3,   0,   1,  1,  1,   10,  0,  1,   175, 0,   0,  127}, // Generic
    {1,   6,    0,  3,   0,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // UIR, Irman
    {1,   3,    0,  3,   0,   1,  1,  1,   0,   2,  1,   175, 0,   0,  127}, // AST/Logitech
    {1,   4,    0,  3,   0,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // Creative DVD iNFRA
    {1,   3,    0,  3,   0,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // SigmaDesigns
    {1,   3,    0,  3,   0,   0,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // Pinnacle
    {1,   3,    0,  3,   0,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // X10 MouseRemote
    {1,   6,    0,  3,   0,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // X10 MP3/DVD
    {1,   6,    0,  3,   0,   1,  1,  2,   500, 0,  1,   175, 0,   0,  127}, // SIRC
    {2,   4,    0,  2,   2,   1,  1,  0,   0,   0,  1,   175, 0,   0,  127}, // Interact
    {10,  0,    0,  0,   0,   0,  0,  0,   0,   0,  1,   175, 0,   0,  127}, // Keyboard
    {20,  0,    0,  0,   0,   0,  0,  0,   0,   16, 1,   175, 0,   0,  127}, // WinLIRC
    {3,   0,    0,  0,   0,   0,  0,  1,   10,  0,  1,   400, 0,   0,  127}, // Packard Bell
    {1,   5,    0,  3,   0,   1,  1,  0,   3,   1,  1,   175, 0,   0,  127}, // MindPath
    {30,  0,    0,  0,   0,   0,  0,  0,   0,   0,  1,   175, 0,   0,  127}, // AVerMedia
    {3,   0,    0,  0,   0,   0,  0,  1,   10,  0,  1,   175, 0,   0,  127}, // Animax
}};
// clang-format on

const std::array<std::string_view, kDeviceRows> SerialTypes{
    "Generic",
    "UIR, Irman",
    "AST/Logitech",
    "Creative DVD iNFRA Upgrade",
    "SigmaDesigns Realmagic",
    "Pinnacle Studio PCTV",
    "X10 MouseRemote",
    "X10 MP3/DVD Anywhere Remote",
    "SIRC",
    "Interact Web.Remote",
    "Multimedia Keyboard",
    "WinLIRC",
    "Packard Bell Fast Media",
    "MindPath Pocket Point",
    "AVerMedia",
    "Animax Anir Multimedia Magic",
};

int DeviceRowOf(std::string_view name) {
    for (std::size_t row = 0; row < kDeviceRows; ++row)
        if (AnsiSameText(SerialTypes[row], name))
            return static_cast<int>(row);
    return -1;
}

std::int32_t SerialModeOf(std::string_view name) {
    const int row = DeviceRowOf(name);
    if (row < 0)
        return kModeGeneric;
    const std::int32_t mode = DeviceTable[static_cast<std::size_t>(row)][dcMode];
    // A hand-edited type naming the keyboard or AVerMedia row is no port's device.
    return mode < kFirstNonSerialMode ? mode : kModeGeneric;
}

void TDeviceModes::Load(const TSettings& settings) {
    Receiver = SerialModeOf(settings.Str(kReceiverPortSettings.Type));
    Console = SerialModeOf(settings.Str(kConsolePortSettings.Type));
}

} // namespace tav
