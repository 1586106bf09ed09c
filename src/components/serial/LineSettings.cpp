#include "components/serial/LineSettings.h"

#include <stdexcept>

namespace tav {
namespace {

[[noreturn]] void RangeError() {
    throw std::out_of_range("Range check error");
}

std::uint16_t QueueLimit(std::int32_t inputSize) {
    const std::int32_t limit = inputSize / 4;
    if (limit < 0 || limit > 0xFFFF)
        RangeError();
    return static_cast<std::uint16_t>(limit);
}

std::uint32_t Timeout(std::int32_t ms) {
    if (ms == -1)
        return 0xFFFFFFFF; // MAXDWORD: no limit
    if (ms < 0)
        RangeError();
    return static_cast<std::uint32_t>(ms);
}

std::uint32_t QueueSize(std::int32_t bytes) {
    if (bytes < 0)
        RangeError();
    return static_cast<std::uint32_t>(bytes);
}

// The ordinal of a line setting, which indexes tables and fills bit fields of the device control
// block: a value that is no member of its enumeration reaches neither.
template <class E> int Ordinal(E value) {
    if (!IsMember(value))
        RangeError();
    return static_cast<int>(value);
}

std::uint32_t Flags(const TSerialProperties& port) {
    using namespace comm_flags;
    const TSerialFlowControl& flow = port.FlowControl();
    const TSerialParity& parity = port.Parity();
    std::uint32_t f = kBinary;
    if (parity.Check()) {
        f |= kParity;
        if (parity.Replace())
            f |= kErrorChar;
    }
    if (flow.OutCTSFlow())
        f |= kOutxCtsFlow;
    if (flow.OutDSRFlow())
        f |= kOutxDsrFlow;
    f |= static_cast<std::uint32_t>(Ordinal(flow.ControlDTR())) << kDtrControlShift;
    if (flow.DSRSensitivity())
        f |= kDsrSensitivity;
    if (flow.TxContinueOnXoff())
        f |= kTxContinueOnXoff;
    if (flow.XonXoffOut())
        f |= kOutX;
    if (flow.XonXoffIn())
        f |= kInX;
    if (port.DiscardNull())
        f |= kNull;
    f |= static_cast<std::uint32_t>(Ordinal(flow.ControlRTS())) << kRtsControlShift;
    return f;
}

constexpr std::uint32_t kNoLimit = 0xFFFFFFFF;
// The most a character takes on the line: start bit, eight data bits, parity and two stop bits.
constexpr std::uint64_t kMostBitsPerByte = 12;

std::uint64_t LineTimeMs(const TSerialProperties& port, std::uint32_t count) {
    std::int64_t rate = port.BaudRate() == TBaudRate::brCustom
                            ? port.CustomBaudRate()
                            : kBaudRates[static_cast<std::size_t>(Ordinal(port.BaudRate()))];
    if (rate <= 0)
        rate = kBaudRates[static_cast<std::size_t>(TBaudRate::br110)];
    const std::uint64_t bits = count * kMostBitsPerByte * 1000;
    const auto perSecond = static_cast<std::uint64_t>(rate);
    return (bits + perSecond - 1) / perSecond;
}

} // namespace

TCommStateValues BuildCommState(const TSerialProperties& port) {
    TCommStateValues s;
    s.BaudRate = port.BaudRate() == TBaudRate::brCustom
                     ? static_cast<std::uint32_t>(port.CustomBaudRate())
                     : static_cast<std::uint32_t>(
                           kBaudRates[static_cast<std::size_t>(Ordinal(port.BaudRate()))]);
    s.Flags = Flags(port);
    s.XonLim = s.XoffLim = QueueLimit(port.Buffer().InputSize());
    s.ByteSize = static_cast<std::uint8_t>(5 + Ordinal(port.DataBits()));
    s.Parity = static_cast<std::uint8_t>(Ordinal(port.Parity().Bits()));
    s.StopBits = static_cast<std::uint8_t>(Ordinal(port.StopBits()));
    s.XonChar = port.FlowControl().XonChar();
    s.XoffChar = port.FlowControl().XoffChar();
    if (port.Parity().Check() && port.Parity().Replace())
        s.ErrorChar = port.Parity().ReplaceChar();
    s.EvtChar = port.EventChar();
    return s;
}

TCommTimeoutValues BuildCommTimeouts(const TSerialTimeouts& t) {
    return {Timeout(t.ReadInterval()), Timeout(t.ReadTotalMultiplier()),
            Timeout(t.ReadTotalConstant()), Timeout(t.WriteTotalMultiplier()),
            Timeout(t.WriteTotalConstant())};
}

TQueueSizes BuildQueueSizes(const TSerialBuffer& buffer) {
    return {QueueSize(buffer.InputSize()), QueueSize(buffer.OutputSize())};
}

std::uint64_t OperationTimeLimitMs(const TSerialProperties& port, bool write, std::uint32_t count) {
    const TCommTimeoutValues t = BuildCommTimeouts(port.Timeouts());
    const std::uint64_t multiplier = write ? t.WriteTotalMultiplier : t.ReadTotalMultiplier;
    const std::uint64_t constant = write ? t.WriteTotalConstant : t.ReadTotalConstant;
    if (!write && t.ReadInterval == kNoLimit) {
        // A read that returns at once with what is there, or as soon as anything is.
        if (multiplier == 0 && constant == 0)
            return 0;
        if (multiplier == kNoLimit && constant != kNoLimit)
            return constant;
    }
    if (multiplier == 0 && constant == 0)
        return LineTimeMs(port, count);
    return multiplier * count + constant;
}

} // namespace tav
