// Send-data actions: bytes of a hexadecimal stream or of a file to a serial port.

#include "engine/actions/ActionExecutor.h"
#include "engine/actions/HexNumbers.h"
#include "engine/serial/PortSettings.h"

#include <fstream>

namespace tav {

namespace {

constexpr std::size_t kFileBlock = 1024;

bool DataPortIsReceiverPort(const TSettings& settings) {
    return ReadSerialLine(settings, kDataPortSettings).ComNumber ==
           ReadSerialLine(settings, kReceiverPortSettings).ComNumber;
}

} // namespace

std::optional<unsigned> TActionExecutor::SendData(const SendDataFields& f) {
    if (f.source == SendDataSource::None)
        return std::nullopt;
    ISerialPort* port = ChooseDataPort();
    if (port == nullptr)
        return std::nullopt;
    if (f.source == SendDataSource::Stream) {
        const std::string bytes = HexStreamBytes(f.data.text);
        port->Write(bytes);
    } else {
        SendFile(*port, f.data.text);
    }
    // The output port does not keep the receiver's port from its origin.
    if (port == ports_.DataPort && DataPortIsReceiverPort(settings_)) {
        ports_.DataPort->Close();
        dataLine_.reset();
    }
    return std::nullopt;
}

// The receiver's port while its origin has it open; otherwise the output port, opened with
// the output settings (and opened again when they have changed since).
ISerialPort* TActionExecutor::ChooseDataPort() {
    if (DataPortIsReceiverPort(settings_) && ports_.ReceiverPort->Connected())
        return ports_.ReceiverPort;
    ISerialPort& data = *ports_.DataPort;
    const TSerialLine line = ReadSerialLine(settings_, kDataPortSettings);
    if (data.Connected() && dataLine_ != line) {
        data.Close();
        dataLine_.reset();
    }
    if (!data.Connected()) {
        try {
            data.Open(line);
            dataLine_ = line;
        } catch (...) {
            ports_.System->Beep();
        }
    }
    if (!data.Connected())
        return nullptr;
    data.SetDTR(settings_.Bool(kDataPortSettings.Dtr));
    data.SetRTS(settings_.Bool(kDataPortSettings.Rts));
    return &data;
}

// Block by block, letting the program's messages run between blocks; a file that is not there
// or does not open sends nothing.
void TActionExecutor::SendFile(ISerialPort& port, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    char block[kFileBlock];
    for (;;) {
        file.read(block, sizeof block);
        const auto count = static_cast<int>(file.gcount());
        if (count > 0 && port.Connected())
            port.Write(std::string_view(block, static_cast<std::size_t>(count)));
        ports_.System->ProcessMessages();
        if (count < static_cast<int>(kFileBlock))
            break;
    }
}

} // namespace tav
