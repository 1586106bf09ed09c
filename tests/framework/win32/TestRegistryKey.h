#pragma once
// A private key under HKEY_CURRENT_USER for one test process, removed with everything below it
// when the test ends. Tests run in parallel processes, so the process id keeps them apart.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace tav::test {

class TestRegistryKey {
public:
    TestRegistryKey()
        : relative_("Software\\TavriloTest\\" + std::to_string(GetCurrentProcessId())) {
        RegDeleteTreeA(HKEY_CURRENT_USER, relative_.c_str());
    }
    ~TestRegistryKey() {
        RegDeleteTreeA(HKEY_CURRENT_USER, relative_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TavriloTest"); // only goes when empty
    }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // Absolute path as the registry wrapper takes it.
    std::string Path() const { return "\\" + relative_; }
    std::string Path(const std::string& sub) const { return Path() + "\\" + sub; }

    bool Exists(const std::string& sub = {}) const {
        HKEY key = nullptr;
        const std::string path = sub.empty() ? relative_ : relative_ + "\\" + sub;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    // Type of a value, or nullopt when it is absent.
    std::optional<DWORD> TypeOf(const std::string& name, const std::string& sub = {}) const {
        DWORD type = 0;
        const std::string path = sub.empty() ? relative_ : relative_ + "\\" + sub;
        if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY, &type, nullptr,
                         nullptr) != ERROR_SUCCESS)
            return std::nullopt;
        return type;
    }

    void PutString(const std::string& name, const std::string& value,
                   const std::string& sub = {}) const {
        Put(sub, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
    }
    void PutDword(const std::string& name, std::uint32_t value) const {
        Put({}, name, REG_DWORD, &value, sizeof value);
    }
    void PutBinary(const std::string& name, const std::string& bytes) const {
        Put({}, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    }

private:
    void Put(const std::string& sub, const std::string& name, DWORD type, const void* data,
             DWORD size) const {
        HKEY key = nullptr;
        const std::string path = sub.empty() ? relative_ : relative_ + "\\" + sub;
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    std::string relative_;
};

} // namespace tav::test
