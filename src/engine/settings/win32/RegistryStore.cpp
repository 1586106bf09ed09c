#include "engine/settings/win32/RegistryStore.h"

#include "framework/win32/Registry.h"

namespace tav {

namespace {

void Open(TRegistry& registry, const std::string& path) {
    if (!registry.OpenKey(path, true))
        throw ERegistryException("Cannot open the key " + path);
}

template <typename Read>
auto LoadValue(const std::string& path, std::string_view name, Read read)
    -> std::optional<decltype(read(std::declval<TRegistry&>()))> {
    TRegistry registry(HKEY_CURRENT_USER);
    Open(registry, path);
    if (!registry.ValueExists(name))
        return std::nullopt;
    return read(registry);
}

} // namespace

TRegistryStore::TRegistryStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

std::optional<std::string> TRegistryStore::RawReadString(std::string_view name) {
    return LoadValue(keyPath_, name, [&](TRegistry& r) { return r.ReadString(name); });
}

std::optional<std::int32_t> TRegistryStore::RawReadInteger(std::string_view name) {
    return LoadValue(keyPath_, name, [&](TRegistry& r) { return r.ReadInteger(name); });
}

void TRegistryStore::RawWriteString(std::string_view name, std::string_view value) {
    TRegistry registry(HKEY_CURRENT_USER);
    Open(registry, keyPath_);
    registry.WriteString(name, value);
}

void TRegistryStore::RawWriteInteger(std::string_view name, std::int32_t value) {
    TRegistry registry(HKEY_CURRENT_USER);
    Open(registry, keyPath_);
    registry.WriteInteger(name, value);
}

std::vector<TSoundEntry> TRegistryStore::RawReadSounds() {
    TRegistry registry(HKEY_CURRENT_USER);
    Open(registry, keyPath_ + "\\Sounds");
    std::vector<TSoundEntry> sounds;
    for (std::string& name : registry.GetValueNames()) {
        try {
            std::string path = registry.ReadString(name);
            sounds.push_back({std::move(name), std::move(path)});
        } catch (const ERegistryException&) {
            // A value that is not a path names no sound; the rest of the list still counts.
        }
    }
    return sounds;
}

void TRegistryStore::RawWriteSounds(const std::vector<TSoundEntry>& sounds) {
    TRegistry registry(HKEY_CURRENT_USER);
    const std::string path = keyPath_ + "\\Sounds";
    registry.DeleteKey(path);
    Open(registry, path);
    for (const TSoundEntry& sound : sounds)
        registry.WriteString(sound.Name, sound.Path);
}

} // namespace tav
