#include "components/driver/win32/DriverDevice.h"

#include "components/driver/win32/DeviceInterfaces.h"

namespace tav {

namespace {

class TWin32DriverDevice final : public IDriverDevice {
public:
    explicit TWin32DriverDevice(HANDLE handle) : handle_(handle) {}
    ~TWin32DriverDevice() override { CloseHandle(handle_); }
    TWin32DriverDevice(const TWin32DriverDevice&) = delete;
    TWin32DriverDevice& operator=(const TWin32DriverDevice&) = delete;

    bool Control(DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize,
                 DWORD& returned) override {
        return DeviceIoControl(handle_, code, const_cast<void*>(input), inputSize, output,
                               outputSize, &returned, nullptr);
    }

private:
    HANDLE handle_;
};

std::unique_ptr<IDriverDevice> OpenDriverDevice() {
    const auto path = DeviceInterfacePath(kDriverInterfaceClass, 0);
    if (!path)
        return nullptr;
    const HANDLE handle =
        CreateFileA(path->c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<TWin32DriverDevice>(handle);
}

} // namespace

TSeam<DriverDeviceFn>& DriverDeviceSeam() {
    static TSeam<DriverDeviceFn> seam(OpenDriverDevice);
    return seam;
}

} // namespace tav
