#pragma once
// The settings store in the registry under the current user. Every access opens the key on its
// own (creating it when missing) and closes it again, so nothing stays open between calls.

#include "engine/settings/SettingsStore.h"

#include <string>

namespace tav {

inline constexpr const char* kSettingsKey = "\\Software\\Tavrilo";

class TRegistryStore : public SettingsStore {
public:
    // `keyPath` is absolute below HKEY_CURRENT_USER; the user's sounds live in its "Sounds" key.
    explicit TRegistryStore(std::string keyPath = kSettingsKey);

    const std::string& KeyPath() const { return keyPath_; }

protected:
    std::optional<std::string> RawReadString(std::string_view name) override;
    std::optional<std::int32_t> RawReadInteger(std::string_view name) override;
    void RawWriteString(std::string_view name, std::string_view value) override;
    void RawWriteInteger(std::string_view name, std::int32_t value) override;
    std::vector<TSoundEntry> RawReadSounds() override;
    void RawWriteSounds(const std::vector<TSoundEntry>& sounds) override;

private:
    std::string keyPath_;
};

} // namespace tav
