#pragma once
// Every named setting the program stores, with its type and the default that a new program
// version fills in. Names compare without regard to letter case; where a writer spells a name
// differently from its reader, the other spelling is recorded so both are known to meet.

#include <cstdint>
#include <span>
#include <string_view>

namespace tav {

enum class TSettingType { String, Boolean, Integer };

struct TSettingDef {
    std::string_view Name;
    TSettingType Type;
    // False for values that only their writers create (the program's version is one of them:
    // its value comes from the program file, not from this table).
    bool HasDefault;
    std::string_view DefaultStr;
    std::int32_t DefaultInt; // also the Boolean default: 0 or 1
    std::string_view OtherSpelling;
};

std::span<const TSettingDef> SettingsTable();
// The entry named `name` in either spelling, or nullptr.
const TSettingDef* FindSettingDef(std::string_view name);

// Names that code outside the settings dialog refers to.
inline constexpr std::string_view kVersionSetting = "Version";
inline constexpr std::string_view kLaunchOnStartupSetting = "Launch on startup";

} // namespace tav
