#pragma once
// The device-setup library, bound at run time, with the calls that find a driver's device by
// its device-interface class. Either every call is there or none is.

#include "components/driver/win32/ModuleLoader.h"

#include <windows.h>

#include <setupapi.h>

namespace tav {

inline constexpr char kSetupApiFile[] = "SetupApi.dll";

class TSetupApi {
public:
    TSetupApi();

    bool Bound() const { return binding_.Bound(); }

    // Null while not bound.
    decltype(&::SetupDiGetClassDevsA) GetClassDevs = nullptr;
    decltype(&::SetupDiEnumDeviceInterfaces) EnumDeviceInterfaces = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceDetailA) GetDeviceInterfaceDetail = nullptr;
    decltype(&::SetupDiDestroyDeviceInfoList) DestroyDeviceInfoList = nullptr;

private:
    TModuleBinding binding_;
};

} // namespace tav
