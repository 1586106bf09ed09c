#pragma once
// The console port: a device that sends codes ending in a carriage return. Its bytes are
// packed into values as the receiver's are; a code is complete at a value 13, or when the
// buffer is full. It has no start-up, no end-of-code timer and no repeat.

#include "engine/recognition/CodeReceiver.h"
#include "engine/serial/SerialPorts.h"
#include "engine/serial/ValuePacker.h"
#include "engine/settings/Settings.h"

#include <string_view>

namespace tav {

class TSerialConsole {
public:
    // Every reference must outlive the console.
    TSerialConsole(TSettings& settings, TCodeReceiver& codes, ISerialPort& port, ISerialHost& host,
                   TMessageBoxFn messageBox);

    // Opens (true) or closes (false) the port; false when it did not open, after saying so.
    bool OpenSerialConsole(bool active);
    // Handler of the port's received bytes.
    void ComPort2RxChar(std::string_view bytes);

private:
    TSettings& settings_;
    TCodeReceiver& codes_;
    ISerialPort& port_;
    ISerialHost& host_;
    TMessageBoxFn messageBox_;
    TValuePacker packer_;
};

} // namespace tav
