#pragma once
// The serial port's settings and the rule that binds them to the device: every setter stores
// its value and, when the value changed, asks the port to send its group (line settings,
// timeouts or queue sizes) to the device again. The port sends a group only while it is open,
// so a value set on a closed port reaches the device at the next open.

#include "components/serial/SerialTypes.h"

#include <cstdint>
#include <string>

namespace tav {

class TSerialProperties;

// The five timeouts, in milliseconds; -1 stands for "no limit".
class TSerialTimeouts {
public:
    explicit TSerialTimeouts(TSerialProperties* port = nullptr) : port_(port) {}
    TSerialTimeouts(const TSerialTimeouts&) = delete;
    TSerialTimeouts& operator=(const TSerialTimeouts&) = delete;
    // Takes the other's values and sends them once.
    void Assign(const TSerialTimeouts& source);

    std::int32_t ReadInterval() const { return readInterval_; }
    void SetReadInterval(std::int32_t value) { Set(readInterval_, value); }
    std::int32_t ReadTotalMultiplier() const { return readTotalMultiplier_; }
    void SetReadTotalMultiplier(std::int32_t value) { Set(readTotalMultiplier_, value); }
    std::int32_t ReadTotalConstant() const { return readTotalConstant_; }
    void SetReadTotalConstant(std::int32_t value) { Set(readTotalConstant_, value); }
    std::int32_t WriteTotalMultiplier() const { return writeTotalMultiplier_; }
    void SetWriteTotalMultiplier(std::int32_t value) { Set(writeTotalMultiplier_, value); }
    std::int32_t WriteTotalConstant() const { return writeTotalConstant_; }
    void SetWriteTotalConstant(std::int32_t value) { Set(writeTotalConstant_, value); }

private:
    void Set(std::int32_t& field, std::int32_t value);
    TSerialProperties* port_;
    std::int32_t readInterval_ = -1;
    std::int32_t readTotalMultiplier_ = 0;
    std::int32_t readTotalConstant_ = 0;
    std::int32_t writeTotalMultiplier_ = 100;
    std::int32_t writeTotalConstant_ = 1000;
};

// A group of the line settings: a change of any of its values reaches the port's device.
class TLineSettingsGroup {
protected:
    explicit TLineSettingsGroup(TSerialProperties* port) : port_(port) {}
    template <class T> void Set(T& field, T value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed();
    TSerialProperties* port_;
};

// The handshake switches.
class TSerialFlowControl : public TLineSettingsGroup {
public:
    explicit TSerialFlowControl(TSerialProperties* port = nullptr) : TLineSettingsGroup(port) {}
    TSerialFlowControl(const TSerialFlowControl&) = delete;
    TSerialFlowControl& operator=(const TSerialFlowControl&) = delete;
    void Assign(const TSerialFlowControl& source);

    // Hardware: RTS handshake with CTS output flow; software: Xon/Xoff both ways; none: neither.
    TFlowControl FlowControl() const;
    // Sets the three summarised switches (RTS control, CTS output flow, Xon/Xoff) for hardware,
    // software or none and sends the line settings, also when nothing changed; fcCustom only
    // sends them. The other switches keep their values.
    void SetFlowControl(TFlowControl value);

    bool OutCTSFlow() const { return outCTSFlow_; }
    void SetOutCTSFlow(bool value) { Set(outCTSFlow_, value); }
    bool OutDSRFlow() const { return outDSRFlow_; }
    void SetOutDSRFlow(bool value) { Set(outDSRFlow_, value); }
    TDTRFlowControl ControlDTR() const { return controlDTR_; }
    void SetControlDTR(TDTRFlowControl value) { Set(controlDTR_, value); }
    TRTSFlowControl ControlRTS() const { return controlRTS_; }
    void SetControlRTS(TRTSFlowControl value) { Set(controlRTS_, value); }
    bool XonXoffOut() const { return xonXoffOut_; }
    void SetXonXoffOut(bool value) { Set(xonXoffOut_, value); }
    bool XonXoffIn() const { return xonXoffIn_; }
    void SetXonXoffIn(bool value) { Set(xonXoffIn_, value); }
    bool DSRSensitivity() const { return dsrSensitivity_; }
    void SetDSRSensitivity(bool value) { Set(dsrSensitivity_, value); }
    bool TxContinueOnXoff() const { return txContinueOnXoff_; }
    void SetTxContinueOnXoff(bool value) { Set(txContinueOnXoff_, value); }
    char XonChar() const { return xonChar_; }
    void SetXonChar(char value) { Set(xonChar_, value); }
    char XoffChar() const { return xoffChar_; }
    void SetXoffChar(char value) { Set(xoffChar_, value); }

private:
    bool outCTSFlow_ = false;
    bool outDSRFlow_ = false;
    TDTRFlowControl controlDTR_ = TDTRFlowControl::dtrDisable;
    TRTSFlowControl controlRTS_ = TRTSFlowControl::rtsDisable;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
    bool dsrSensitivity_ = false;
    bool txContinueOnXoff_ = false;
    char xonChar_ = 17;
    char xoffChar_ = 19;
};

class TSerialParity : public TLineSettingsGroup {
public:
    explicit TSerialParity(TSerialProperties* port = nullptr) : TLineSettingsGroup(port) {}
    TSerialParity(const TSerialParity&) = delete;
    TSerialParity& operator=(const TSerialParity&) = delete;
    void Assign(const TSerialParity& source);

    TParityBits Bits() const { return bits_; }
    void SetBits(TParityBits value) { Set(bits_, value); }
    bool Check() const { return check_; }
    void SetCheck(bool value) { Set(check_, value); }
    bool Replace() const { return replace_; }
    void SetReplace(bool value) { Set(replace_, value); }
    char ReplaceChar() const { return replaceChar_; }
    void SetReplaceChar(char value) { Set(replaceChar_, value); }

private:
    TParityBits bits_ = TParityBits::prNone;
    bool check_ = false;
    bool replace_ = false;
    char replaceChar_ = 0;
};

// The driver's queue sizes in bytes. A positive odd size is stored one lower.
class TSerialBuffer {
public:
    explicit TSerialBuffer(TSerialProperties* port = nullptr) : port_(port) {}
    TSerialBuffer(const TSerialBuffer&) = delete;
    TSerialBuffer& operator=(const TSerialBuffer&) = delete;
    void Assign(const TSerialBuffer& source);

    std::int32_t InputSize() const { return inputSize_; }
    void SetInputSize(std::int32_t value) { Set(inputSize_, value); }
    std::int32_t OutputSize() const { return outputSize_; }
    void SetOutputSize(std::int32_t value) { Set(outputSize_, value); }

private:
    void Set(std::int32_t& field, std::int32_t value);
    TSerialProperties* port_;
    std::int32_t inputSize_ = 1024;
    std::int32_t outputSize_ = 1024;
};

// What the settings store may write and read.
enum class TStoredGroup { sgBasic, sgOther, sgParity, sgBuffer, sgTimeouts, sgFlowControl };
using TStoredGroups = TEnumSet<TStoredGroup>;

// Every setting of a port. The port itself sends each group to its device.
class TSerialProperties {
public:
    TSerialProperties() = default;
    virtual ~TSerialProperties() = default;
    TSerialProperties(const TSerialProperties&) = delete;
    TSerialProperties& operator=(const TSerialProperties&) = delete;

    // Send a group to the device; only an open port does.
    virtual void ApplyLineSettings() = 0;
    virtual void ApplyTimeouts() = 0;
    virtual void ApplyBufferSizes() = 0;

    // The device's name, such as "COM1".
    const std::string& Port() const { return port_; }
    virtual void SetPort(const std::string& port) { port_ = port; }

    TBaudRate BaudRate() const { return baudRate_; }
    void SetBaudRate(TBaudRate value) { SetLine(baudRate_, value); }
    // The rate used when BaudRate is brCustom, in bits per second.
    std::int32_t CustomBaudRate() const { return customBaudRate_; }
    void SetCustomBaudRate(std::int32_t value) { SetLine(customBaudRate_, value); }
    TStopBits StopBits() const { return stopBits_; }
    void SetStopBits(TStopBits value) { SetLine(stopBits_, value); }
    TDataBits DataBits() const { return dataBits_; }
    void SetDataBits(TDataBits value) { SetLine(dataBits_, value); }
    // The driver drops received NUL bytes.
    bool DiscardNull() const { return discardNull_; }
    void SetDiscardNull(bool value) { SetLine(discardNull_, value); }
    // The character whose arrival raises the RX-flag event.
    char EventChar() const { return eventChar_; }
    void SetEventChar(char value) { SetLine(eventChar_, value); }

    TSerialBuffer& Buffer() { return buffer_; }
    const TSerialBuffer& Buffer() const { return buffer_; }
    void SetBuffer(const TSerialBuffer& value) { buffer_.Assign(value); }
    TSerialParity& Parity() { return parity_; }
    const TSerialParity& Parity() const { return parity_; }
    void SetParity(const TSerialParity& value) { parity_.Assign(value); }
    TSerialTimeouts& Timeouts() { return timeouts_; }
    const TSerialTimeouts& Timeouts() const { return timeouts_; }
    void SetTimeouts(const TSerialTimeouts& value) { timeouts_.Assign(value); }
    TSerialFlowControl& FlowControl() { return flowControl_; }
    const TSerialFlowControl& FlowControl() const { return flowControl_; }
    void SetFlowControl(const TSerialFlowControl& value) { flowControl_.Assign(value); }

    // What SaveToRegistry, SaveToIni and their readers cover.
    TStoredGroups StoredGroups = {TStoredGroup::sgBasic};

private:
    template <class T> void SetLine(T& field, T value) {
        if (field == value)
            return;
        field = value;
        ApplyLineSettings();
    }

    std::string port_ = "COM1";
    TBaudRate baudRate_ = TBaudRate::br9600;
    std::int32_t customBaudRate_ = 9600;
    TStopBits stopBits_ = TStopBits::sbOneStopBit;
    TDataBits dataBits_ = TDataBits::dbEight;
    bool discardNull_ = false;
    char eventChar_ = 0;
    TSerialBuffer buffer_{this};
    TSerialParity parity_{this};
    TSerialTimeouts timeouts_{this};
    TSerialFlowControl flowControl_{this};
};

} // namespace tav
