#include "ui/main/win32/SerialPortLink.h"

#include "components/serial/SerialError.h"

#include <stdexcept>

namespace tav {

namespace {

// The speed list starts after the component's custom rate and stops before its two fastest.
TBaudRate RateOfSpeedIndex(std::int32_t index) {
    if (index < 0 || index >= kSpeedIndexes)
        throw std::out_of_range("Range check error");
    return static_cast<TBaudRate>(index + 1);
}

} // namespace

void TSerialPortLink::Open(const TSerialLine& line) {
    if (port_.Connected())
        return;
    // Each index is checked before any is taken: a line the port cannot have fails the open and
    // leaves the port's settings as they were.
    const TBaudRate rate = RateOfSpeedIndex(line.Speed);
    const auto parity = MemberOf<TParityBits>(line.Parity);
    const auto dataBits = MemberOf<TDataBits>(line.DataBits);
    const auto stopBits = MemberOf<TStopBits>(line.StopBits);
    port_.SetPort("COM" + std::to_string(line.ComNumber));
    port_.SetBaudRate(rate);
    port_.Parity().SetBits(parity);
    port_.SetDataBits(dataBits);
    port_.SetStopBits(stopBits);
    port_.SetEventThreadPriority(TThreadPriority::tpTimeCritical);
    port_.Open();
}

void TSerialPortLink::SetDTR(bool high) {
    try {
        port_.SetDTR(high);
    } catch (const ESerialPort&) {
    }
}

void TSerialPortLink::SetRTS(bool high) {
    try {
        port_.SetRTS(high);
    } catch (const ESerialPort&) {
    }
}

std::string ReadWaiting(TCustomSerialPort& port, std::int32_t count) {
    std::string bytes;
    port.ReadStr(bytes, count);
    return bytes;
}

} // namespace tav
