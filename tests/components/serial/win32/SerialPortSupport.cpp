#include "components/serial/win32/SerialPortSupport.h"

#include <algorithm>

namespace tav::test {

void SerialPortFixture::SetUp() {
    HandOverFixture::SetUp();
    seam_ = std::make_unique<TSeamScope<SerialDeviceFn>>(SerialDeviceSeam(), [this] {
        auto device = std::make_unique<TFakeSerialDevice>();
        devices_.push_back(device.get());
        if (Script)
            Script(*device);
        return std::unique_ptr<ISerialDevice>(std::move(device));
    });
}

void SerialPortFixture::TearDown() {
    seam_.reset();
    HandOverFixture::TearDown();
}

std::unique_ptr<TSerialPort> SerialPortFixture::MakePort(TSerialEvents events) {
    auto port = std::make_unique<TSerialPort>(nullptr, "ComPort");
    TSerialPort* p = port.get();
    TFakeSerialDevice* fake = devices_.back();
    port->SetPort("COM7");
    port->Events = events;
    auto note = [fake](std::string entry) {
        return [fake, entry](TObject*) { fake->Note(entry); };
    };
    auto signal = [fake](std::string line) {
        return [fake, line](TObject*, bool on) { fake->Note(line + (on ? " 1" : " 0")); };
    };
    port->OnBeforeOpen = note("BeforeOpen");
    port->OnAfterOpen = note("AfterOpen");
    port->OnBeforeClose = [fake, p](TObject*) {
        fake->Note(p->Connected() ? "BeforeClose connected" : "BeforeClose closed");
    };
    port->OnAfterClose = [fake, p](TObject*) {
        fake->Note(p->Connected() ? "AfterClose connected" : "AfterClose closed");
    };
    port->OnCTSChange = signal("CTS");
    port->OnDSRChange = signal("DSR");
    port->OnRLSDChange = signal("RLSD");
    port->OnRing = note("Ring");
    port->OnBreak = note("Break");
    port->OnTxEmpty = note("TxEmpty");
    port->OnRxFlag = note("RxFlag");
    port->OnRx80Full = note("Rx80Full");
    port->OnError = [fake](TObject*, TSerialErrors errors) {
        fake->Note("Error " + std::to_string(errors.Bits()));
    };
    port->OnRxChar = [fake, p](TObject*, std::int32_t count) {
        std::string bytes;
        p->ReadStr(bytes, count);
        fake->Note("RxChar " + bytes);
    };
    return port;
}

std::vector<std::string> SerialPortFixture::LogFrom(const std::string& from) {
    const std::vector<std::string> log = Fake().Log();
    return {std::find(log.begin(), log.end(), from), log.end()};
}

} // namespace tav::test
