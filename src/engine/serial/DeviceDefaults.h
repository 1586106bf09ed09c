#pragma once
// Choosing a device type for a port applies the type's row of presets: the port's mode and
// line settings, and the recognition settings, which every origin shares. Everything is
// stored at once. Without a row only the current values are stored (the properties dialogs
// do that after their values were taken over).

#include "engine/serial/DeviceTable.h"
#include "engine/serial/PortSettings.h"

#include <functional>

namespace tav {

// The port a row is applied to; any other value applies and stores only the recognition part.
inline constexpr int kReceiverPortKind = 1;
inline constexpr int kConsolePortKind = 2;

// Windows platforms: a driver-based receiver wants another tolerance on each.
inline constexpr int kPlatformWin9x = 1;
inline constexpr int kPlatformNt = 2;

class TDeviceDefaults {
public:
    // `setTimeOutInterval` gives the recognition time-out timer its interval. Every reference
    // must outlive this object.
    TDeviceDefaults(TSettings& settings, TDeviceModes& modes, int platformId,
                    std::function<void(unsigned)> setTimeOutInterval);

    // A row outside the table applies nothing and only stores. The caller has already set the
    // port's device type name to the row's name.
    void ApplyDeviceDefaults(int row, int portKind);

private:
    void ApplyPort(const TDeviceRow& row, const TPortSettingNames& names, std::int32_t& mode);
    void ApplyRecognition(const TDeviceRow& row);
    void StorePort(const TPortSettingNames& names);
    void StoreRecognition();

    TSettings& settings_;
    TDeviceModes& modes_;
    int platformId_;
    std::function<void(unsigned)> setTimeOutInterval_;
};

} // namespace tav
