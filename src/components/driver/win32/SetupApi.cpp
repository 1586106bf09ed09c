#include "components/driver/win32/SetupApi.h"

namespace tav {

namespace {
constexpr const char* kEntries[] = {"SetupDiGetClassDevsA", "SetupDiEnumDeviceInterfaces",
                                    "SetupDiGetDeviceInterfaceDetailA",
                                    "SetupDiDestroyDeviceInfoList"};
} // namespace

TSetupApi::TSetupApi() : binding_(kSetupApiFile, kEntries) {
    if (!Bound())
        return;
    GetClassDevs = binding_.Entry<decltype(GetClassDevs)>(0);
    EnumDeviceInterfaces = binding_.Entry<decltype(EnumDeviceInterfaces)>(1);
    GetDeviceInterfaceDetail = binding_.Entry<decltype(GetDeviceInterfaceDetail)>(2);
    DestroyDeviceInfoList = binding_.Entry<decltype(DestroyDeviceInfoList)>(3);
}

} // namespace tav
