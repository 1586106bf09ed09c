#include "engine/driver/DriverOrigins.h"

#include "engine/driver/VxDData.h"

namespace tav {

namespace {

constexpr char kDriverError[] = "Driver error";

// Every value is kept: the driver's codes overwrite the last place of a full buffer.
void AppendValues(TReceivedCode& code, const auto& values) {
    for (const std::int32_t value : values)
        code.AppendSaturating(value);
}

std::string DecimalLine(const TReceivedCode& code, TDataFormat) {
    return FormatCodeLine(code.Values(), TDataFormat::Decimal);
}

} // namespace

TDriverOrigins::TDriverOrigins(TDriverOriginLinks links) : l_(std::move(links)) {}

bool TDriverOrigins::OpenDriverReceiver(bool active) {
    switch (l_.Platform) {
    case TDriverPlatform::Win9x:
        return OpenVxD(active);
    case TDriverPlatform::Nt5:
        return OpenDriverThread(active);
    case TDriverPlatform::NtBefore5:
        break;
    }
    l_.ShowMessage("Sorry, there is no driver support for Windows NT. Try using device \"SIRC\" "
                   "instead.",
                   "Error loading driver", kMbOk | kMbIconExclamation);
    return false;
}

// A reader that did not reach the driver stays inactive, so every opening says so again.
bool TDriverOrigins::OpenDriverThread(bool active) {
    if (!active) {
        if (!reader_ || !reader_->GetActive())
            return false;
        reader_->Disable();
        return true;
    }
    if (reader_)
        reader_->Enable();
    else
        reader_ =
            l_.MakeReader([this](std::span<const std::int16_t> values) { DriverData(values); });
    if (reader_->GetActive())
        return true;
    l_.ShowMessage("Cannot connect with DaruZuzed.uru driver. Check the driver is correctly "
                   "installed, then restart the application.",
                   kDriverError, kMbOk | kMbIconExclamation);
    return false;
}

void TDriverOrigins::DriverData(std::span<const std::int16_t> values) {
    l_.Codes.ReceiveRepeating([&](TReceivedCode& code) { AppendValues(code, values); },
                              DecimalLine);
}

bool TDriverOrigins::OpenVxD(bool active) {
    if (!active) {
        if (vxdOpen_)
            l_.VxD.Close();
        vxdOpen_ = false;
        return true;
    }
    if (vxdOpen_)
        return true;
    if (!l_.VxD.Open()) {
        l_.ShowMessage("Cannot open VxD file.", kDriverError, kMbOk | kMbIconExclamation);
        return false;
    }
    if (!l_.VxD.Control(kVxDConnectCode, LittleEndian32(l_.Window())))
        return VxDFails("Cannot connect to driver.");
    if (!l_.VxD.Control(kVxDRegisterCode, {}))
        return VxDFails("Cannot register driver.");
    if (!l_.VxD.Control(kVxDHardwareCode, VxDHardwareInput(l_.Settings)))
        return VxDFails("Wrong hardware parameters. Check resources.");
    vxdOpen_ = true;
    return true;
}

// A driver that refused a step is closed again: it holds no window and no port of ours.
bool TDriverOrigins::VxDFails(const char* text) {
    l_.VxD.Close();
    l_.ShowMessage(text, kDriverError, kMbOk | kMbIconExclamation);
    return false;
}

void TDriverOrigins::WMVxDData(std::uintptr_t address) {
    std::vector<std::int16_t> samples(kVxDSamples);
    if (!vxdOpen_ || !l_.VxD.ReadSamples(address, samples))
        return;
    const std::vector<std::int32_t> runs = SampleRuns(samples);
    l_.Codes.ReceiveWhole([&](TReceivedCode& code) { AppendValues(code, runs); }, DecimalLine);
}

} // namespace tav
