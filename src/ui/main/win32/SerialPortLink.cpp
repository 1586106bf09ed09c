#include "ui/main/win32/SerialPortLink.h"

#include "components/serial/SerialError.h"

namespace tav {

void TSerialPortLink::Open(const TSerialLine& line) {
    if (port_.Connected())
        return;
    port_.SetPort("COM" + std::to_string(line.ComNumber));
    // The speed list starts after the component's custom rate.
    port_.SetBaudRate(static_cast<TBaudRate>(line.Speed + 1));
    port_.Parity().SetBits(static_cast<TParityBits>(line.Parity));
    port_.SetDataBits(static_cast<TDataBits>(line.DataBits));
    port_.SetStopBits(static_cast<TStopBits>(line.StopBits));
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
