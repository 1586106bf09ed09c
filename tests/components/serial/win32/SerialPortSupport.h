#pragma once
// Helpers (no tests) of the serial port's tests: a hand-over fixture whose ports get fake
// devices, and handlers that write every event into the device's log.

#include "components/serial/win32/FakeSerialDevice.h"
#include "components/serial/win32/SerialPort.h"
#include "framework/win32/HandOverSupportTest.h"

#include <memory>
#include <vector>

namespace tav::test {

class SerialPortFixture : public HandOverFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A port named "ComPort" on "COM7" with every event written to its fake's log; a received
    // chunk is read whole and logged as "RxChar <bytes>".
    std::unique_ptr<TSerialPort> MakePort(TSerialEvents events);
    TFakeSerialDevice& Fake() { return *devices_.back(); }
    // Scripts each device as it is made.
    std::function<void(TFakeSerialDevice&)> Script;
    // The entries of the fake's log from the first one that equals `from` on.
    std::vector<std::string> LogFrom(const std::string& from);

private:
    std::vector<TFakeSerialDevice*> devices_;
    std::unique_ptr<TSeamScope<SerialDeviceFn>> seam_;
};

} // namespace tav::test
