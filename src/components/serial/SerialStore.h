#pragma once
// The port's settings written to and read from a registry key or an INI section, the groups
// chosen by the port's StoredGroups. Integers are stored as integers, everything else as text:
// names for the enumerations ("9600", "1.5", "None", "Handshake"), "Yes" or "No" for switches,
// a character as itself when printable (33 to 127) and as "#" with its code otherwise.
// Reading assigns every value through its setter, so an open port takes them at once.

#include "components/serial/SerialSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

class TBufferedIniFile;

// Where the values go.
class ISerialStoreWriter {
public:
    virtual ~ISerialStoreWriter() = default;
    virtual void WriteString(std::string_view name, const std::string& value) = 0;
    virtual void WriteInteger(std::string_view name, std::int32_t value) = 0;
};

// Where the values come from; `current` is the setting's value as it would be written.
class ISerialStoreReader {
public:
    virtual ~ISerialStoreReader() = default;
    virtual std::string ReadString(std::string_view name, const std::string& current) = 0;
    virtual std::int32_t ReadInteger(std::string_view name, std::int32_t current) = 0;
};

void SaveSerialSettings(const TSerialProperties& port, ISerialStoreWriter& writer);
void LoadSerialSettings(TSerialProperties& port, ISerialStoreReader& reader);

// One section of an INI file; a key that is absent reads as the setting's current value.
class TIniSerialStore : public ISerialStoreWriter, public ISerialStoreReader {
public:
    TIniSerialStore(TBufferedIniFile& ini, std::string section)
        : ini_(ini), section_(std::move(section)) {}
    void WriteString(std::string_view name, const std::string& value) override;
    void WriteInteger(std::string_view name, std::int32_t value) override;
    std::string ReadString(std::string_view name, const std::string& current) override;
    std::int32_t ReadInteger(std::string_view name, std::int32_t current) override;

private:
    TBufferedIniFile& ini_;
    std::string section_;
};

} // namespace tav
