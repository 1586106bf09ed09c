#include "components/driver/win32/DeviceInterfaces.h"

#include "components/driver/win32/SetupApi.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace tav {

namespace {

// A device information set, destroyed with its holder.
class TDeviceInfoSet {
public:
    TDeviceInfoSet(const TSetupApi& api, const GUID& interfaceClass)
        : api_(api), handle_(api.GetClassDevs(&interfaceClass, nullptr, nullptr,
                                              DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~TDeviceInfoSet() {
        if (Valid())
            api_.DestroyDeviceInfoList(handle_);
    }
    TDeviceInfoSet(const TDeviceInfoSet&) = delete;
    TDeviceInfoSet& operator=(const TDeviceInfoSet&) = delete;

    // A failed query answers INVALID_HANDLE_VALUE; a null set is none either.
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HDEVINFO Handle() const { return handle_; }

private:
    const TSetupApi& api_;
    HDEVINFO handle_;
};

std::optional<std::string> InterfacePath(const TSetupApi& api, const TDeviceInfoSet& set,
                                         const GUID& interfaceClass, DWORD index) {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!api.EnumDeviceInterfaces(set.Handle(), nullptr, &interfaceClass, index, &data))
        return std::nullopt;
    DWORD required = 0;
    using TDetail = SP_DEVICE_INTERFACE_DETAIL_DATA_A;
    if (api.GetDeviceInterfaceDetail(set.Handle(), &data, nullptr, 0, &required, nullptr) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || required < sizeof(TDetail))
        return std::nullopt;
    // Whole 8-byte units keep the record aligned.
    std::vector<std::uint64_t> buffer((required + 7) / 8);
    auto* detail = reinterpret_cast<TDetail*>(buffer.data());
    detail->cbSize = sizeof(TDetail);
    if (!api.GetDeviceInterfaceDetail(set.Handle(), &data, detail, required, nullptr, nullptr))
        return std::nullopt;
    const std::size_t room = required - offsetof(TDetail, DevicePath);
    return std::string(detail->DevicePath, strnlen(detail->DevicePath, room));
}

} // namespace

std::optional<std::string> DeviceInterfacePath(const GUID& interfaceClass, DWORD index) {
    const TSetupApi api;
    if (!api.Bound())
        return std::nullopt;
    const TDeviceInfoSet set(api, interfaceClass);
    if (!set.Valid())
        return std::nullopt;
    try {
        return InterfacePath(api, set, interfaceClass, index);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace tav
