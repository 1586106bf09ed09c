#pragma once
// The device of the DaruZuzed.uru receiver driver as its reader thread uses it: control calls
// on one opened handle. The driver registers an interface of class kDriverInterfaceClass; the
// first present one is opened. Tests replace the device through DriverDeviceSeam with a
// scripted one, since no such driver is at hand.

#include "framework/win32/Seams.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace tav {

// {1DA0B19A-7185-48CC-9E38-41BE6E216025}
inline constexpr GUID kDriverInterfaceClass = {
    0x1DA0B19A, 0x7185, 0x48CC, {0x9E, 0x38, 0x41, 0xBE, 0x6E, 0x21, 0x60, 0x25}};

class IDriverDevice {
public:
    virtual ~IDriverDevice() = default;
    // DeviceIoControl, without overlapped I/O; false with the error in GetLastError.
    virtual bool Control(DWORD code, const void* input, DWORD inputSize, void* output,
                         DWORD outputSize, DWORD& returned) = 0;
};

// Opens the driver's device; none when there is no such device or it cannot be opened.
using DriverDeviceFn = std::function<std::unique_ptr<IDriverDevice>()>;
TSeam<DriverDeviceFn>& DriverDeviceSeam();

} // namespace tav
