#pragma once
// The live settings: one typed value per entry of the settings table. Dialogs edit it, the
// engine reads it, and every change goes to the store at once.

#include "engine/settings/SettingsStore.h"
#include "engine/settings/SettingsTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

class TSettings {
public:
    // Until Load, every value holds its table default (or reads as absent when it has none).
    explicit TSettings(SettingsStore& store);

    // Reads every value of the table and the sound list from the store. A value the setting
    // does not take (of the wrong kind, absent, empty where text is needed, out of range) reads
    // as its default; one that only its writers create reads as absent, except that a damaged
    // password reads as a text no password matches, so that its protection stays.
    void Load();

    // Lookup ignores letter case, so each spelling of a name reaches the same value. A name
    // outside the table raises std::invalid_argument, the wrong type std::logic_error: both
    // are mistakes in the calling code, not in stored data.
    const std::string& Str(std::string_view name) const;
    bool Bool(std::string_view name) const;
    std::int32_t Int(std::string_view name) const;
    // Reads one value anew from the store, for a value that may be changed from outside while
    // the program runs (the registry editor, a script, another program).
    const std::string& ReloadStr(std::string_view name);

    // Each writes to the store unless the store already holds that very value. The value takes
    // effect here either way; a write that failed is tried again by the next call. A value the
    // setting does not take is taken as what it reads as.
    void SetStr(std::string_view name, std::string_view value);
    void SetBool(std::string_view name, bool value);
    void SetInt(std::string_view name, std::int32_t value);

    const std::vector<TSoundEntry>& Sounds() const { return sounds_; }
    // Replaces the list and rewrites it in the store as a whole.
    void SetSounds(std::vector<TSoundEntry> sounds);

private:
    struct Value {
        std::string Text;
        std::int32_t Number = 0;
        // The store is known to hold this value in readable form.
        bool Stored = false;
    };

    std::size_t IndexOf(std::string_view name, TSettingType type) const;
    void LoadValue(const TSettingDef& def, Value& value);

    SettingsStore& store_;
    std::vector<Value> values_;
    std::vector<TSoundEntry> sounds_;
};

} // namespace tav
