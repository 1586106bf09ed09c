#include "engine/settings/SettingsTable.h"

#include "framework/Text.h"

namespace tav {

namespace {

constexpr TSettingDef Str(std::string_view name, std::string_view fallback,
                          std::string_view other = {}) {
    return {name, TSettingType::String, true, fallback, 0, other};
}
constexpr TSettingDef Bool(std::string_view name, bool fallback, std::string_view other = {}) {
    return {name, TSettingType::Boolean, true, {}, fallback ? 1 : 0, other};
}
constexpr TSettingDef Int(std::string_view name, std::int32_t fallback) {
    return {name, TSettingType::Integer, true, {}, fallback, {}};
}
constexpr TSettingDef NoDefault(std::string_view name, TSettingType type,
                                std::string_view other = {}) {
    return {name, type, false, {}, 0, other};
}

constexpr auto S = TSettingType::String;
constexpr auto B = TSettingType::Boolean;
constexpr auto I = TSettingType::Integer;

constexpr TSettingDef kTable[] = {
    NoDefault("Version", S),
    Bool("Launch on startup", false),
    Bool("Load minimized", false),
    Bool("Play sounds", true),
    Bool("Multiple instances", false),
    Bool("Advanced keypress", true),
    Str("Log file", ""),
    Str("Language", "english"),
    Bool("Use serial port", true),
    NoDefault("Use serial console port", B),
    Str("Serial port type", "Generic"),
    Str("Serial2 port type", "Generic"),
    Bool("Use IR server", false),
    Bool("Use AVerMedia", false),
    Bool("Use BestBuy", false),
    Bool("Use Creative iNFRA", false),
    Bool("Use keyboard trapping", false),
    Bool("Use TCP/IP", false),
    Str("AVerMedia window", "AVerMedia TV Tuner 98", "AverMedia window"),
    Int("TCP/IP client port", 8765),
    Str("TCP/IP client host", "localhost"),
    Bool("TCP/IP client enabled", false),
    Bool("TCP/IP server enabled", false),
    Int("TCP/IP server port", 2020),
    Str("TCP/IP server IP", "127.0.0.0"),
    Str("TCP/IP server filter", "255.255.255.0"),
    Int("Serial port", 1),
    Int("Serial2 port", 1),
    Int("Serial speed", 6),
    Int("Serial2 speed", 6),
    Int("Serial parity", 0),
    Int("Serial2 parity", 0),
    Int("Serial databits", 3),
    Int("Serial2 databits", 3),
    Int("Serial stopbits", 0),
    Int("Serial2 stopbits", 0),
    Bool("Serial DTR", true),
    Bool("Serial RTS", true),
    Bool("Serial2 DTR", true),
    Bool("Serial2 RTS", true),
    Str("Serial init string", "IR"),
    Str("Serial2 init string", "IR"),
    NoDefault("Output data serial port", I, "Output Data Serial port"),
    NoDefault("Output data Serial speed", I, "Output Data Serial speed"),
    NoDefault("Output data Serial parity", I, "Output Data Serial parity"),
    NoDefault("Output data Serial databits", I, "Output Data Serial databits"),
    NoDefault("Output data Serial stopbits", I, "Output Data Serial stopbits"),
    NoDefault("Output data Serial DTR", B, "Output Data Serial DTR"),
    NoDefault("Output data Serial RTS", B, "Output Data Serial RTS"),
    Int("Skip first", 0),
    Int("Tolerance", 10),
    Int("Length limit", 0),
    Int("Value size", 1),
    Int("Recognition time out", 175),
    Bool("SameLength values", false),
    Bool("Binary values", false),
    Int("Binary threshold", 127),
    Bool("OSD show remote", false),
    Bool("OSD show command", false),
    Bool("OSD show action", false),
    Int("OSD background", 0),
    Int("OSD display time", 1000),
    Str("OSD font name", "Arial"),
    Int("OSD font color", 0xFF00),
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
    NoDefault("DDE data", I),
    Bool("TCP/IP info send remote", false),
    Bool("TCP/IP info send command", false),
    Bool("TCP/IP info send data", false),
    Bool("TCP/IP info send action", false),
    Int("TCP/IP info port", 4040),
    Int("TCP/IP info type", 0),
    NoDefault("Origin enabled", B),
    NoDefault("LastTVRFile", S),
    NoDefault("Restore", S),
    NoDefault("Hide splashscreen", B),
    NoDefault("Serial IRQ", I),
    NoDefault("Serial I/O", I),
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

} // namespace tav
