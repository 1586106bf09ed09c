#include "framework/win32/Registry.h"

namespace tav {

namespace {

std::string Quoted(std::string_view name) {
    std::string quoted(1, '"');
    quoted.append(name);
    quoted.push_back('"');
    return quoted;
}

[[noreturn]] void Fail(const std::string& what, LONG code) {
    throw ERegistryException(what + " (error " + std::to_string(code) + ")");
}

// Strips the separators at the end; "\Software\" and "\Software" name the same key.
std::string_view WithoutTrailingSeparators(std::string_view path) {
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

using EnumFunction = LONG (*)(HKEY, DWORD, char*, DWORD*);

std::vector<std::string> EnumNames(HKEY key, DWORD longest, EnumFunction next) {
    std::vector<std::string> names;
    std::string buffer(longest + 1, '\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG rc = next(key, index, buffer.data(), &length);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc == ERROR_MORE_DATA) { // the key grew while we listed it
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (rc != ERROR_SUCCESS)
            Fail("Failed to list the registry key", rc);
        names.emplace_back(buffer.data(), length);
        ++index;
    }
    return names;
}

LONG NextValueName(HKEY key, DWORD index, char* name, DWORD* length) {
    return RegEnumValueA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
}

LONG NextKeyName(HKEY key, DWORD index, char* name, DWORD* length) {
    return RegEnumKeyExA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

TRegistry::~TRegistry() {
    CloseKey();
}

void TRegistry::SetRootKey(HKEY rootKey) {
    CloseKey();
    root_ = rootKey;
}

HKEY TRegistry::BaseFor(std::string_view key, std::string& relative) const {
    if (!key.empty() && key.front() == '\\') {
        relative = WithoutTrailingSeparators(key.substr(1));
        return root_;
    }
    relative = WithoutTrailingSeparators(key);
    return current_ ? current_ : root_;
}

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
    std::string relative;
    const HKEY base = BaseFor(key, relative);
    HKEY opened = nullptr;
    const LONG rc =
        canCreate ? RegCreateKeyExA(base, relative.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS, nullptr, &opened, nullptr)
                  : RegOpenKeyExA(base, relative.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (rc != ERROR_SUCCESS)
        return false;
    std::string path;
    if (base == current_ && !currentPath_.empty())
        path = relative.empty() ? currentPath_ : currentPath_ + "\\" + relative;
    else
        path = relative;
    CloseKey();
    current_ = opened;
    currentPath_ = std::move(path);
    return true;
}

void TRegistry::CloseKey() {
    if (current_)
        RegCloseKey(current_);
    current_ = nullptr;
    currentPath_.clear();
}

bool TRegistry::KeyExists(std::string_view key) const {
    std::string relative;
    const HKEY base = BaseFor(key, relative);
    HKEY probe = nullptr;
    if (RegOpenKeyExA(base, relative.c_str(), 0, KEY_READ, &probe) != ERROR_SUCCESS)
        return false;
    RegCloseKey(probe);
    return true;
}

bool TRegistry::DeleteKey(std::string_view key) {
    std::string relative;
    const HKEY base = BaseFor(key, relative);
    // An empty path would name the base key itself and wipe everything below it.
    if (relative.empty() || !KeyExists(key))
        return false;
    return RegDeleteTreeA(base, relative.c_str()) == ERROR_SUCCESS;
}

HKEY TRegistry::OpenedKey() const {
    if (!current_)
        throw ERegistryException("No registry key is open");
    return current_;
}

bool TRegistry::ValueExists(std::string_view name) const {
    const std::string value(name);
    return RegQueryValueExA(OpenedKey(), value.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::string TRegistry::ReadString(std::string_view name) const {
    const HKEY key = OpenedKey();
    const std::string value(name);
    std::string data;
    for (;;) {
        DWORD type = 0;
        DWORD size = 0;
        LONG rc = RegQueryValueExA(key, value.c_str(), nullptr, &type, nullptr, &size);
        if (rc != ERROR_SUCCESS)
            Fail("Failed to get data for " + Quoted(name), rc);
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw ERegistryException("Invalid data type for " + Quoted(name));
        data.assign(size, '\0');
        rc = RegQueryValueExA(key, value.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_MORE_DATA) // rewritten between the two queries
            continue;
        if (rc != ERROR_SUCCESS)
            Fail("Failed to get data for " + Quoted(name), rc);
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw ERegistryException("Invalid data type for " + Quoted(name));
        data.resize(size);
        break;
    }
    // Stored strings may or may not carry their terminator; the text ends at the first zero.
    const auto end = data.find('\0');
    if (end != std::string::npos)
        data.resize(end);
    return data;
}

void TRegistry::WriteString(std::string_view name, std::string_view value) {
    const HKEY key = OpenedKey();
    const std::string valueName(name);
    const std::string data(value);
    const LONG rc = RegSetValueExA(key, valueName.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()),
                                   static_cast<DWORD>(data.size() + 1));
    if (rc != ERROR_SUCCESS)
        Fail("Failed to set data for " + Quoted(name), rc);
}

std::int32_t TRegistry::ReadInteger(std::string_view name) const {
    const HKEY key = OpenedKey();
    const std::string value(name);
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LONG rc =
        RegQueryValueExA(key, value.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (rc == ERROR_MORE_DATA)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    if (rc != ERROR_SUCCESS)
        Fail("Failed to get data for " + Quoted(name), rc);
    if (type != REG_DWORD || size != sizeof data)
        throw ERegistryException("Invalid data type for " + Quoted(name));
    return static_cast<std::int32_t>(data);
}

void TRegistry::WriteInteger(std::string_view name, std::int32_t value) {
    const HKEY key = OpenedKey();
    const std::string valueName(name);
    const DWORD data = static_cast<DWORD>(value);
    const LONG rc = RegSetValueExA(key, valueName.c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&data), sizeof data);
    if (rc != ERROR_SUCCESS)
        Fail("Failed to set data for " + Quoted(name), rc);
}

bool TRegistry::DeleteValue(std::string_view name) {
    const std::string value(name);
    return RegDeleteValueA(OpenedKey(), value.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> TRegistry::GetValueNames() const {
    const HKEY key = OpenedKey();
    DWORD longest = 0;
    const LONG rc = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, &longest, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS)
        Fail("Failed to query the registry key", rc);
    return EnumNames(key, longest, NextValueName);
}

std::vector<std::string> TRegistry::GetKeyNames() const {
    const HKEY key = OpenedKey();
    DWORD longest = 0;
    const LONG rc = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS)
        Fail("Failed to query the registry key", rc);
    return EnumNames(key, longest, NextKeyName);
}

} // namespace tav
