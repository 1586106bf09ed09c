// The port's settings in a registry key or an INI section.

#include "components/serial/win32/SerialPort.h"

#include "components/ini/BufferedIniFile.h"
#include "components/serial/SerialStore.h"
#include "framework/win32/Registry.h"

namespace tav {
namespace {

// The values of the registry object's current key. A value that is not there leaves the
// setting as it is, as an INI key does; other failures raise ERegistryException.
class TRegistrySerialStore final : public ISerialStoreWriter, public ISerialStoreReader {
public:
    explicit TRegistrySerialStore(TRegistry& registry) : registry_(registry) {}
    void WriteString(std::string_view name, const std::string& value) override {
        registry_.WriteString(name, value);
    }
    void WriteInteger(std::string_view name, std::int32_t value) override {
        registry_.WriteInteger(name, value);
    }
    std::string ReadString(std::string_view name, const std::string& current) override {
        return registry_.ValueExists(name) ? registry_.ReadString(name) : current;
    }
    std::int32_t ReadInteger(std::string_view name, std::int32_t current) override {
        return registry_.ValueExists(name) ? registry_.ReadInteger(name) : current;
    }

private:
    TRegistry& registry_;
};

} // namespace

void TCustomSerialPort::SaveToRegistry(TRegistry& registry) {
    TRegistrySerialStore store(registry);
    SaveSerialSettings(*this, store);
}

void TCustomSerialPort::LoadFromRegistry(TRegistry& registry) {
    TRegistrySerialStore store(registry);
    LoadSerialSettings(*this, store);
}

void TCustomSerialPort::SaveToIni(TBufferedIniFile& ini) {
    TIniSerialStore store(ini, Name());
    SaveSerialSettings(*this, store);
}

void TCustomSerialPort::LoadFromIni(TBufferedIniFile& ini) {
    TIniSerialStore store(ini, Name());
    LoadSerialSettings(*this, store);
}

} // namespace tav
