#pragma once
// Named program settings in a persistent store. The six typed accessors never fail: an absent
// value reads as "", false or -1, a value that exists but is not of the asked type (or cannot be
// read at all) as "", false or 0, and a failed write changes nothing (the writers tell whether
// the value was stored). Value names compare without regard to letter case. Backends supply the
// raw operations and may throw anything.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// One user sound: its name, which commands refer to, and the path of its wave file.
struct TSoundEntry {
    std::string Name;
    std::string Path;
    bool operator==(const TSoundEntry&) const = default;
};

enum class TValueState { Absent, Unreadable, Readable };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    std::string ReadStrSetting(std::string_view name) noexcept;
    bool WriteStrSetting(std::string_view name, std::string_view value) noexcept;
    bool ReadBoolSetting(std::string_view name) noexcept;
    bool WriteBoolSetting(std::string_view name, bool value) noexcept;
    std::int32_t ReadIntSetting(std::string_view name) noexcept;
    bool WriteIntSetting(std::string_view name, std::int32_t value) noexcept;

    // Whether a string (or an integer, which Booleans are stored as) can be read under `name`;
    // tells an absent or damaged value from a stored "", 0 or -1.
    TValueState StrSettingState(std::string_view name) noexcept;
    TValueState IntSettingState(std::string_view name) noexcept;

    // The user's sound list. Reading skips entries that are not strings and gives what it could
    // read; rewriting replaces the whole list. Both swallow every error.
    std::vector<TSoundEntry> ReadSounds() noexcept;
    void WriteSounds(const std::vector<TSoundEntry>& sounds) noexcept;

protected:
    // Raw operations: nullopt when the value is absent; throw when it exists but holds another
    // type or the store cannot be reached.
    virtual std::optional<std::string> RawReadString(std::string_view name) = 0;
    virtual std::optional<std::int32_t> RawReadInteger(std::string_view name) = 0;
    virtual void RawWriteString(std::string_view name, std::string_view value) = 0;
    virtual void RawWriteInteger(std::string_view name, std::int32_t value) = 0;
    virtual std::vector<TSoundEntry> RawReadSounds() = 0;
    virtual void RawWriteSounds(const std::vector<TSoundEntry>& sounds) = 0;
};

} // namespace tav
