#include "engine/settings/Settings.h"

#include <stdexcept>

namespace tav {

namespace {

constexpr std::int32_t kAbsentInteger = -1;

} // namespace

TSettings::TSettings(SettingsStore& store) : store_(store) {
    const auto table = SettingsTable();
    values_.resize(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const TSettingDef& def = table[i];
        if (def.Type == TSettingType::String)
            values_[i].Text = def.DefaultStr;
        else if (def.HasDefault)
            values_[i].Number = def.DefaultInt;
        else
            values_[i].Number = def.Type == TSettingType::Integer ? kAbsentInteger : 0;
    }
}

void TSettings::LoadValue(const TSettingDef& def, Value& value) {
    if (def.Type == TSettingType::String) {
        value.Stored = store_.StrSettingState(def.Name) == TValueState::Readable;
        value.Text = store_.ReadStrSetting(def.Name);
    } else {
        value.Stored = store_.IntSettingState(def.Name) == TValueState::Readable;
        value.Number = def.Type == TSettingType::Boolean
                           ? (store_.ReadBoolSetting(def.Name) ? 1 : 0)
                           : store_.ReadIntSetting(def.Name);
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

void TSettings::SetStr(std::string_view name, std::string_view text) {
    const std::size_t index = IndexOf(name, TSettingType::String);
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

void TSettings::SetInt(std::string_view name, std::int32_t number) {
    const std::size_t index = IndexOf(name, TSettingType::Integer);
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
