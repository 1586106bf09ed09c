#pragma once
// A thin owner of one open registry key. Paths are relative to the open key, or absolute from the
// root key when they begin with "\". Failures of reads and writes raise ERegistryException so
// that callers which must never fail can swallow them in one place.

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
public:
    TRegistry() = default;
    explicit TRegistry(HKEY rootKey) : root_(rootKey) {}
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return root_; }
    // Closes the open key first: a path stays meaningful only under the root it was opened from.
    void SetRootKey(HKEY rootKey);

    // Opens `key` (creating missing keys when `canCreate`) and makes it the current key.
    // False, with the previous key still current, when it cannot be opened.
    bool OpenKey(std::string_view key, bool canCreate);
    void CloseKey();
    HKEY CurrentKey() const { return current_; }
    // Absolute path of the current key below the root, without a leading "\".
    const std::string& CurrentPath() const { return currentPath_; }

    bool KeyExists(std::string_view key) const;
    // Deletes `key` with everything below it; false when it did not exist or could not go.
    bool DeleteKey(std::string_view key);

    // The value operations work on the current key; with none open they raise.
    // An empty name is the key's default value.
    bool ValueExists(std::string_view name) const;
    std::string ReadString(std::string_view name) const; // REG_SZ or REG_EXPAND_SZ, unexpanded
    void WriteString(std::string_view name, std::string_view value);
    std::int32_t ReadInteger(std::string_view name) const; // REG_DWORD only
    void WriteInteger(std::string_view name, std::int32_t value);
    bool ReadBool(std::string_view name) const { return ReadInteger(name) != 0; }
    void WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }
    // False when the value did not exist or could not be deleted.
    bool DeleteValue(std::string_view name);

    std::vector<std::string> GetValueNames() const;
    std::vector<std::string> GetKeyNames() const;

private:
    HKEY OpenedKey() const;
    // The key a path starts from and the path below it.
    HKEY BaseFor(std::string_view key, std::string& relative) const;

    HKEY root_ = HKEY_CURRENT_USER;
    HKEY current_ = nullptr;
    std::string currentPath_;
};

} // namespace tav
