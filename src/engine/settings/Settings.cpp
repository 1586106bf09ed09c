#include "engine/settings/Settings.h"

#include <stdexcept>

namespace tav {

namespace {

// What a damaged guarding value reads as: no cipher text, so no password matches it and the
// protection stays until the value is cleared by hand.
constexpr const char* kDamagedGuard = "?";

std::string TakenText(const TSettingDef& def, std::string_view text) {
    return std::string(SettingTakes(def, text) ? text : def.DefaultStr);
}

std::int32_t TakenNumber(const TSettingDef& def, std::int32_t number) {
    return SettingTakes(def, number) ? number : FallbackInt(def);
}

} // namespace

TSettings::TSettings(SettingsStore& store) : store_(store) {
    const auto table = SettingsTable();
    values_.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        values_[i].Text = table[i].DefaultStr;
        values_[i].Number = FallbackInt(table[i]);
    }
}

// A value of the wrong kind, absent, empty where text is needed or out of range reads as the
// setting's default; the store holds it only when it was taken as it is.
void TSettings::LoadValue(const TSettingDef& def, Value& value) {
    if (def.Type == TSettingType::String) {
        const TValueState state = store_.StrSettingState(def.Name);
        std::string text = store_.ReadStrSetting(def.Name);
        value.Stored = state == TValueState::Readable && SettingTakes(def, text);
        if (def.Guards && state == TValueState::Unreadable)
            text = std::string(kDamagedGuard);
        else if (!value.Stored)
            text = std::string(def.DefaultStr);
        value.Text = std::move(text);
    } else {
        const TValueState state = store_.IntSettingState(def.Name);
        const std::int32_t number = store_.ReadIntSetting(def.Name);
        value.Stored = state == TValueState::Readable && SettingTakes(def, number);
        if (!value.Stored)
            value.Number = FallbackInt(def);
        else
            value.Number = def.Type == TSettingType::Boolean ? (number != 0 ? 1 : 0) : number;
    }
}

void TSettings::Load() {
    const auto table = SettingsTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        LoadValue(table[i], values_[i]);
    sounds_ = store_.ReadSounds();
}

std::size_t TSettings::IndexOf(std::string_view name, TSettingType type) const {
    const TSettingDef* def = FindSettingDef(name);
    if (!def)
        throw std::invalid_argument("Unknown setting \"" + std::string(name) + "\"");
    if (def->Type != type)
        throw std::logic_error("Setting \"" + std::string(name) + "\" has another type");
    return static_cast<std::size_t>(def - SettingsTable().data());
}

const std::string& TSettings::Str(std::string_view name) const {
    return values_[IndexOf(name, TSettingType::String)].Text;
}

const std::string& TSettings::ReloadStr(std::string_view name) {
    const std::size_t index = IndexOf(name, TSettingType::String);
    LoadValue(SettingsTable()[index], values_[index]);
    return values_[index].Text;
}

bool TSettings::Bool(std::string_view name) const {
    return values_[IndexOf(name, TSettingType::Boolean)].Number != 0;
}

std::int32_t TSettings::Int(std::string_view name) const {
    return values_[IndexOf(name, TSettingType::Integer)].Number;
}

void TSettings::SetStr(std::string_view name, std::string_view given) {
    const std::size_t index = IndexOf(name, TSettingType::String);
    const std::string text = TakenText(SettingsTable()[index], given);
    Value& value = values_[index];
    if (value.Stored && value.Text == text)
        return;
    value.Text = text;
    value.Stored = store_.WriteStrSetting(SettingsTable()[index].Name, text);
}

void TSettings::SetBool(std::string_view name, bool flag) {
    const std::size_t index = IndexOf(name, TSettingType::Boolean);
    Value& value = values_[index];
    if (value.Stored && (value.Number != 0) == flag)
        return;
    value.Number = flag ? 1 : 0;
    value.Stored = store_.WriteBoolSetting(SettingsTable()[index].Name, flag);
}

void TSettings::SetInt(std::string_view name, std::int32_t given) {
    const std::size_t index = IndexOf(name, TSettingType::Integer);
    const std::int32_t number = TakenNumber(SettingsTable()[index], given);
    Value& value = values_[index];
    if (value.Stored && value.Number == number)
        return;
    value.Number = number;
    value.Stored = store_.WriteIntSetting(SettingsTable()[index].Name, number);
}

void TSettings::SetSounds(std::vector<TSoundEntry> sounds) {
    sounds_ = std::move(sounds);
    store_.WriteSounds(sounds_);
}

} // namespace tav
