#include "engine/settings/SettingsStore.h"

namespace tav {

namespace {

// Integers stand for themselves, so an unreadable one must not look absent: absent is -1,
// unreadable 0.
constexpr std::int32_t kAbsentInteger = -1;
constexpr std::int32_t kUnreadableInteger = 0;

template <typename Load> TValueState StateOf(Load load) noexcept {
    try {
        return load() ? TValueState::Readable : TValueState::Absent;
    } catch (...) {
        return TValueState::Unreadable;
    }
}

} // namespace

std::string SettingsStore::ReadStrSetting(std::string_view name) noexcept {
    try {
        return RawReadString(name).value_or(std::string());
    } catch (...) {
        return {};
    }
}

bool SettingsStore::WriteStrSetting(std::string_view name, std::string_view value) noexcept {
    try {
        RawWriteString(name, value);
        return true;
    } catch (...) {
        return false;
    }
}

bool SettingsStore::ReadBoolSetting(std::string_view name) noexcept {
    try {
        return RawReadInteger(name).value_or(0) != 0;
    } catch (...) {
        return false;
    }
}

bool SettingsStore::WriteBoolSetting(std::string_view name, bool value) noexcept {
    return WriteIntSetting(name, value ? 1 : 0);
}

std::int32_t SettingsStore::ReadIntSetting(std::string_view name) noexcept {
    try {
        return RawReadInteger(name).value_or(kAbsentInteger);
    } catch (...) {
        return kUnreadableInteger;
    }
}

bool SettingsStore::WriteIntSetting(std::string_view name, std::int32_t value) noexcept {
    try {
        RawWriteInteger(name, value);
        return true;
    } catch (...) {
        return false;
    }
}

TValueState SettingsStore::StrSettingState(std::string_view name) noexcept {
    return StateOf([&] { return RawReadString(name).has_value(); });
}

TValueState SettingsStore::IntSettingState(std::string_view name) noexcept {
    return StateOf([&] { return RawReadInteger(name).has_value(); });
}

std::vector<TSoundEntry> SettingsStore::ReadSounds() noexcept {
    try {
        return RawReadSounds();
    } catch (...) {
        return {};
    }
}

void SettingsStore::WriteSounds(const std::vector<TSoundEntry>& sounds) noexcept {
    try {
        RawWriteSounds(sounds);
    } catch (...) {
    }
}

} // namespace tav
