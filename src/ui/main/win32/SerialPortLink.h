#pragma once
// The serial port component as the serial origins see a port.

#include "components/serial/win32/SerialPort.h"
#include "engine/serial/SerialPorts.h"

namespace tav {

class TSerialPortLink : public ISerialPort {
public:
    explicit TSerialPortLink(TCustomSerialPort& port) : port_(port) {}
    // Takes the line settings while the port is closed, then opens it; an open port stays.
    void Open(const TSerialLine& line) override;
    void Close() override { port_.Close(); }
    bool Connected() const override { return port_.Connected(); }
    // A device without modem lines (a pseudo-terminal, some USB adapters) cannot set them: the
    // receiver then works without.
    void SetDTR(bool high) override;
    void SetRTS(bool high) override;
    void Write(std::string_view bytes) override { port_.WriteStr(std::string(bytes)); }

private:
    TCustomSerialPort& port_;
};

// The bytes waiting in `port`, as its receive events announce them.
std::string ReadWaiting(TCustomSerialPort& port, std::int32_t count);

} // namespace tav
