// Send-data actions: bytes of a hexadecimal stream or of a file to a serial port.

#include "engine/actions/ActionExecutor.h"
#include "engine/actions/HexNumbers.h"

#include <fstream>

namespace tav {

namespace {

constexpr std::size_t kFileBlock = 1024;

TSerialLine OutputLine(const TSettings& s) {
    TSerialLine line;
    line.Port = "COM" + std::to_string(s.Int("Output data serial port"));
    // The stored speed is an index of the speeds without the port's custom entry in front.
    line.BaudRate = s.Int("Output data Serial speed") + 1;
    line.Parity = s.Int("Output data Serial parity");
    line.DataBits = s.Int("Output data Serial databits");
    line.StopBits = s.Int("Output data Serial stopbits");
    return line;
}

} // namespace

std::optional<unsigned> TActionExecutor::SendData(const SendDataFields& f) {
    if (f.source == SendDataSource::None)
        return std::nullopt;
    ISerialWriter* port = ChooseDataPort();
    if (port == nullptr)
        return std::nullopt;
    if (f.source == SendDataSource::Stream) {
        const std::string bytes = HexStreamBytes(f.data.text);
        port->Write(bytes.data(), static_cast<int>(bytes.size()));
    } else {
        SendFile(*port, f.data.text);
    }
    // The output port does not keep the receiver's port from its origin.
    if (port == ports_.DataPort &&
        settings_.Int("Output data serial port") == settings_.Int("Serial port")) {
        ports_.DataPort->Close();
        dataLine_.reset();
    }
    return std::nullopt;
}

// The receiver's port while its origin has it open; otherwise the output port, opened with
// the output settings (and opened again when they have changed since).
ISerialWriter* TActionExecutor::ChooseDataPort() {
    if (settings_.Int("Output data serial port") == settings_.Int("Serial port") &&
        ports_.ReceiverPort->Connected())
        return ports_.ReceiverPort;
    IDataPort& data = *ports_.DataPort;
    const TSerialLine line = OutputLine(settings_);
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
    data.SetDTR(settings_.Bool("Output data Serial DTR"));
    data.SetRTS(settings_.Bool("Output data Serial RTS"));
    return &data;
}

// Block by block, letting the program's messages run between blocks; a file that is not there
// or does not open sends nothing.
void TActionExecutor::SendFile(ISerialWriter& port, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    char block[kFileBlock];
    for (;;) {
        file.read(block, sizeof block);
        const auto count = static_cast<int>(file.gcount());
        if (count > 0 && port.Connected())
            port.Write(block, count);
        ports_.System->ProcessMessages();
        if (count < static_cast<int>(kFileBlock))
            break;
    }
}

} // namespace tav
