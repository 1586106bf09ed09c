#pragma once
// Finding a driver's device by the device-interface class it registers, through the
// device-setup library bound at run time.

#include <windows.h>

#include <optional>
#include <string>

namespace tav {

// The device path of interface `index` among the present devices of class `interfaceClass`;
// none when the device-setup library cannot be bound, no such interface is present or its
// path cannot be read.
std::optional<std::string> DeviceInterfacePath(const GUID& interfaceClass, DWORD index);

} // namespace tav
