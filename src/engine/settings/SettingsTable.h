#pragma once
// Every named setting the program stores, with its type, the default that a new program
// version fills in, and the values it takes. Names compare without regard to letter case; where
// a writer spells a name differently from its reader, the other spelling is recorded so both
// are known to meet.

#include <cstdint>
#include <limits>
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
    // The integers the setting takes; a Boolean takes any.
    std::int32_t Low = std::numeric_limits<std::int32_t>::min();
    std::int32_t High = std::numeric_limits<std::int32_t>::max();
    // A string that means nothing when empty.
    bool NeedsText = false;
    // A string whose absence lifts a protection, which a damaged value must not do.
    bool Guards = false;
};

std::span<const TSettingDef> SettingsTable();
// The entry named `name` in either spelling, or nullptr.
const TSettingDef* FindSettingDef(std::string_view name);

// Whether the setting takes the value as it is.
bool SettingTakes(const TSettingDef& def, std::int32_t value);
bool SettingTakes(const TSettingDef& def, std::string_view text);
// What an integer or Boolean the setting does not take, or an absent one, stands for: the
// default, or for a value only its writers create what an absent value reads as (false or -1).
// A string's is its default, empty for a value only its writers create.
std::int32_t FallbackInt(const TSettingDef& def);

// Names that code outside the settings dialog refers to.
inline constexpr std::string_view kVersionSetting = "Version";
inline constexpr std::string_view kLaunchOnStartupSetting = "Launch on startup";

} // namespace tav
