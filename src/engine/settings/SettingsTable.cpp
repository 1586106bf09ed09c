#include "engine/settings/SettingsTable.h"

#include "engine/serial/SerialPorts.h"
#include "framework/Text.h"

namespace tav {

namespace {

constexpr TSettingDef Str(std::string_view name, std::string_view fallback) {
    return {name, TSettingType::String, true, fallback, 0, {}};
}
// A string that must hold something: an empty one reads as the default.
constexpr TSettingDef Text(std::string_view name, std::string_view fallback,
                           std::string_view other = {}) {
    return {.Name = name,
            .Type = TSettingType::String,
            .HasDefault = true,
            .DefaultStr = fallback,
            .DefaultInt = 0,
            .OtherSpelling = other,
            .NeedsText = true};
}
constexpr TSettingDef Bool(std::string_view name, bool fallback, std::string_view other = {}) {
    return {name, TSettingType::Boolean, true, {}, fallback ? 1 : 0, other};
}
constexpr TSettingDef Int(std::string_view name, std::int32_t fallback, std::int32_t low,
                          std::int32_t high) {
    return {.Name = name,
            .Type = TSettingType::Integer,
            .HasDefault = true,
            .DefaultInt = fallback,
            .Low = low,
            .High = high};
}
constexpr TSettingDef Int(std::string_view name, std::int32_t fallback) {
    return {name, TSettingType::Integer, true, {}, fallback, {}};
}
constexpr TSettingDef NoDefaultStr(std::string_view name) {
    return {name, TSettingType::String, false, {}, 0, {}};
}
constexpr TSettingDef NoDefaultInt(std::string_view name, std::int32_t low, std::int32_t high,
                                   std::string_view other = {}) {
    return {.Name = name,
            .Type = TSettingType::Integer,
            .HasDefault = false,
            .DefaultInt = 0,
            .OtherSpelling = other,
            .Low = low,
            .High = high};
}
constexpr TSettingDef NoDefaultBool(std::string_view name, std::string_view other = {}) {
    return {name, TSettingType::Boolean, false, {}, 0, other};
}
constexpr TSettingDef Password(std::string_view name) {
    return {.Name = name, .Type = TSettingType::String, .HasDefault = false, .Guards = true};
}

constexpr std::int32_t kLastPort = 0xFFFF;
constexpr std::int32_t kLastSpeed = kSpeedIndexes - 1;
constexpr std::int32_t kLastParity = kParityIndexes - 1;
constexpr std::int32_t kLastDataBits = kDataBitsIndexes - 1;
constexpr std::int32_t kLastStopBits = kStopBitsIndexes - 1;
constexpr std::int32_t kLastColor = 0xFFFFFF;

constexpr TSettingDef kTable[] = {
    NoDefaultStr("Version"),
    Bool("Launch on startup", false),
    Bool("Load minimized", false),
    Bool("Play sounds", true),
    Bool("Multiple instances", false),
    Bool("Advanced keypress", true),
    Str("Log file", ""),
    Text("Language", "english"),
    Bool("Use serial port", true),
    NoDefaultBool("Use serial console port"),
    Text("Serial port type", "Generic"),
    Text("Serial2 port type", "Generic"),
    Bool("Use IR server", false),
    Bool("Use AVerMedia", false),
    Bool("Use BestBuy", false),
    Bool("Use Creative iNFRA", false),
    Bool("Use keyboard trapping", false),
    Bool("Use TCP/IP", false),
    Text("AVerMedia window", "AVerMedia TV Tuner 98", "AverMedia window"),
    Int("TCP/IP client port", 8765, 1, kLastPort),
    Text("TCP/IP client host", "localhost"),
    Bool("TCP/IP client enabled", false),
    Bool("TCP/IP server enabled", false),
    Int("TCP/IP server port", 2020, 1, kLastPort),
    Text("TCP/IP server IP", "127.0.0.0"),
    Text("TCP/IP server filter", "255.255.255.0"),
    Int("Serial port", 1, 1, kLastComNumber),
    Int("Serial2 port", 1, 1, kLastComNumber),
    Int("Serial speed", 6, 0, kLastSpeed),
    Int("Serial2 speed", 6, 0, kLastSpeed),
    Int("Serial parity", 0, 0, kLastParity),
    Int("Serial2 parity", 0, 0, kLastParity),
    Int("Serial databits", 3, 0, kLastDataBits),
    Int("Serial2 databits", 3, 0, kLastDataBits),
    Int("Serial stopbits", 0, 0, kLastStopBits),
    Int("Serial2 stopbits", 0, 0, kLastStopBits),
    Bool("Serial DTR", true),
    Bool("Serial RTS", true),
    Bool("Serial2 DTR", true),
    Bool("Serial2 RTS", true),
    Str("Serial init string", "IR"),
    Str("Serial2 init string", "IR"),
    NoDefaultInt("Output data serial port", 1, kLastComNumber, "Output Data Serial port"),
    NoDefaultInt("Output data Serial speed", 0, kLastSpeed, "Output Data Serial speed"),
    NoDefaultInt("Output data Serial parity", 0, kLastParity, "Output Data Serial parity"),
    NoDefaultInt("Output data Serial databits", 0, kLastDataBits, "Output Data Serial databits"),
    NoDefaultInt("Output data Serial stopbits", 0, kLastStopBits, "Output Data Serial stopbits"),
    NoDefaultBool("Output data Serial DTR", "Output Data Serial DTR"),
    NoDefaultBool("Output data Serial RTS", "Output Data Serial RTS"),
    Int("Skip first", 0, 0, 100),
    Int("Tolerance", 10, 0, 32767),
    Int("Length limit", 0, 0, 100),
    Int("Value size", 1, 1, 4),
    Int("Recognition time out", 175, 100, 1000),
    Bool("SameLength values", false),
    Bool("Binary values", false),
    Int("Binary threshold", 127, 0, 32767),
    Bool("OSD show remote", false),
    Bool("OSD show command", false),
    Bool("OSD show action", false),
    Int("OSD background", 0, 0, 2),
    Int("OSD display time", 1000, 0, 32767),
    Text("OSD font name", "Arial"),
    Int("OSD font color", 0xFF00, 0, kLastColor),
    Int("OSD font size", 28),
    Bool("OSD font bold", true),
    Bool("OSD font italic", false),
    Bool("OSD font underline", false),
    Bool("OSD font strikeout", false),
    Bool("OSD repaint", true, "OSD Repaint"),
    Bool("DDE send remote", false),
    Bool("DDE send command", false),
    Bool("DDE send data", false),
    Bool("DDE send action", false),
    NoDefaultInt("DDE data", 0, 2),
    Bool("TCP/IP info send remote", false),
    Bool("TCP/IP info send command", false),
    Bool("TCP/IP info send data", false),
    Bool("TCP/IP info send action", false),
    Int("TCP/IP info port", 4040, 1, kLastPort),
    Int("TCP/IP info type", 0, 0, 1),
    NoDefaultBool("Origin enabled"),
    NoDefaultStr("LastTVRFile"),
    Password("Restore"),
    NoDefaultBool("Hide splashscreen"),
    NoDefaultInt("Serial IRQ", 0, 15),
    NoDefaultInt("Serial I/O", 0, 0xFFFF),
};

} // namespace

std::span<const TSettingDef> SettingsTable() {
    return kTable;
}

const TSettingDef* FindSettingDef(std::string_view name) {
    for (const TSettingDef& def : kTable) {
        if (AnsiSameText(def.Name, name) ||
            (!def.OtherSpelling.empty() && AnsiSameText(def.OtherSpelling, name)))
            return &def;
    }
    return nullptr;
}

bool SettingTakes(const TSettingDef& def, std::int32_t value) {
    return value >= def.Low && value <= def.High;
}

bool SettingTakes(const TSettingDef& def, std::string_view text) {
    return !def.NeedsText || !text.empty();
}

std::int32_t FallbackInt(const TSettingDef& def) {
    if (def.HasDefault)
        return def.DefaultInt;
    return def.Type == TSettingType::Integer ? -1 : 0;
}

} // namespace tav
