#pragma once
// What the serial-port dialog reaches of the program beside the settings: the ports' device
// modes, the presets of a device type, and the receiver search.

#include "engine/serial/DeviceTable.h"

#include <cstdint>
#include <functional>

namespace tav {

class ISerialDialogHost {
public:
    virtual ~ISerialDialogHost() = default;
    virtual const TDeviceModes& DeviceModes() const = 0;
    // Applies row `row` of the device table to the port of `portKind` and stores everything
    // (a row outside the table only stores).
    virtual void ApplyDeviceDefaults(int row, int portKind) = 0;
    // Stops the input origins and searches COM1 to COM8 for the receiver; `found` hears of the
    // port the user takes, which is then the receiver's stored port.
    virtual void FindReceiver(std::function<void(std::int32_t com)> found) = 0;
    // A search still probing ends, and a receiver it left running closes with the origins;
    // `found` is not told any more.
    virtual void EndReceiverSearch() = 0;
};

} // namespace tav
