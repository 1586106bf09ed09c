#include "components/serial/SerialSettings.h"

namespace tav {

void TSerialTimeouts::Set(std::int32_t& field, std::int32_t value) {
    if (field == value)
        return;
    field = value;
    if (port_ != nullptr)
        port_->ApplyTimeouts();
}

void TSerialTimeouts::Assign(const TSerialTimeouts& source) {
    readInterval_ = source.readInterval_;
    readTotalMultiplier_ = source.readTotalMultiplier_;
    readTotalConstant_ = source.readTotalConstant_;
    writeTotalMultiplier_ = source.writeTotalMultiplier_;
    writeTotalConstant_ = source.writeTotalConstant_;
    if (port_ != nullptr)
        port_->ApplyTimeouts();
}

void TLineSettingsGroup::Changed() {
    if (port_ != nullptr)
        port_->ApplyLineSettings();
}

TFlowControl TSerialFlowControl::FlowControl() const {
    const bool xonXoff = xonXoffIn_ && xonXoffOut_;
    const bool noXonXoff = !xonXoffIn_ && !xonXoffOut_;
    if (controlRTS_ == TRTSFlowControl::rtsHandshake && outCTSFlow_ && noXonXoff)
        return TFlowControl::fcHardware;
    if (controlRTS_ == TRTSFlowControl::rtsDisable && !outCTSFlow_ && xonXoff)
        return TFlowControl::fcSoftware;
    if (controlRTS_ == TRTSFlowControl::rtsDisable && !outCTSFlow_ && noXonXoff)
        return TFlowControl::fcNone;
    return TFlowControl::fcCustom;
}

void TSerialFlowControl::SetFlowControl(TFlowControl value) {
    if (value != TFlowControl::fcCustom) {
        const bool hardware = value == TFlowControl::fcHardware;
        const bool software = value == TFlowControl::fcSoftware;
        controlRTS_ = hardware ? TRTSFlowControl::rtsHandshake : TRTSFlowControl::rtsDisable;
        outCTSFlow_ = hardware;
        xonXoffIn_ = software;
        xonXoffOut_ = software;
    }
    Changed();
}

void TSerialFlowControl::Assign(const TSerialFlowControl& source) {
    outCTSFlow_ = source.outCTSFlow_;
    outDSRFlow_ = source.outDSRFlow_;
    controlDTR_ = source.controlDTR_;
    controlRTS_ = source.controlRTS_;
    xonXoffOut_ = source.xonXoffOut_;
    xonXoffIn_ = source.xonXoffIn_;
    dsrSensitivity_ = source.dsrSensitivity_;
    txContinueOnXoff_ = source.txContinueOnXoff_;
    xonChar_ = source.xonChar_;
    xoffChar_ = source.xoffChar_;
    Changed();
}

void TSerialParity::Assign(const TSerialParity& source) {
    bits_ = source.bits_;
    check_ = source.check_;
    replace_ = source.replace_;
    replaceChar_ = source.replaceChar_;
    Changed();
}

void TSerialBuffer::Set(std::int32_t& field, std::int32_t value) {
    if (value > 0 && value % 2 != 0)
        --value;
    if (field == value)
        return;
    field = value;
    if (port_ != nullptr)
        port_->ApplyBufferSizes();
}

void TSerialBuffer::Assign(const TSerialBuffer& source) {
    inputSize_ = source.inputSize_;
    outputSize_ = source.outputSize_;
    if (port_ != nullptr)
        port_->ApplyBufferSizes();
}

} // namespace tav
