#pragma once
// The serial port's vocabulary: line settings, the events the event thread listens for, line
// errors and modem signals, with the Windows values each one stands for. Portable: the numbers
// are the documented Windows constants, so that the tables are tested natively.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>

namespace tav {

// A set of the values of a small enumeration, one bit per ordinal.
template <class E> class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> values) {
        for (E v : values)
            Include(v);
    }
    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr void Include(E v) { bits_ |= Bit(v); }
    constexpr void Exclude(E v) { bits_ &= ~Bit(v); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint32_t Bits() const { return bits_; }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    static constexpr std::uint32_t Bit(E v) { return std::uint32_t{1} << static_cast<int>(v); }
    std::uint32_t bits_ = 0;
};

enum class TBaudRate {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};
inline constexpr int kBaudRateCount = 16;
// Bits per second of each rate in order; 0 for brCustom, which uses the port's custom rate.
inline constexpr std::array<std::int32_t, kBaudRateCount> kBaudRates = {
    0,     110,   300,   600,   1200,  2400,   4800,   9600,
    14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};

// Ordinals are the Windows codes: stop bits 0, 1, 2 mean 1, 1.5 and 2 stop bits; parity 0 to 4.
enum class TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum class TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum class TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum class TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum class TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
// A summary of the handshake switches; fcCustom is any mix the other three do not name.
enum class TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };

// How many members each line-setting enumeration has.
template <class E> inline constexpr int kMemberCount = 0;
template <> inline constexpr int kMemberCount<TBaudRate> = kBaudRateCount;
template <> inline constexpr int kMemberCount<TStopBits> = 3;
template <> inline constexpr int kMemberCount<TDataBits> = 4;
template <> inline constexpr int kMemberCount<TParityBits> = 5;
template <> inline constexpr int kMemberCount<TDTRFlowControl> = 3;
template <> inline constexpr int kMemberCount<TRTSFlowControl> = 4;

// Whether `value` is one of its enumeration's members; one cast from a stored number may not be.
template <class E> constexpr bool IsMember(E value) {
    const int ordinal = static_cast<int>(value);
    return ordinal >= 0 && ordinal < kMemberCount<E>;
}

// The member whose ordinal is `ordinal`; std::out_of_range when there is none.
template <class E> E MemberOf(int ordinal) {
    const auto value = static_cast<E>(ordinal);
    if (!IsMember(value))
        throw std::out_of_range("Range check error");
    return value;
}

// How the event thread's events reach the program: on the main thread while the thread waits,
// through a hidden window of the main thread, or on the event thread itself.
enum class TSyncMethod { smThreadSync, smWindowSync, smNone };

enum class TSerialEvent {
    evRxChar,
    evTxEmpty,
    evRxFlag,
    evRing,
    evBreak,
    evCTS,
    evDSR,
    evError,
    evRLSD,
    evRx80Full
};
using TSerialEvents = TEnumSet<TSerialEvent>;
inline constexpr TSerialEvents kAllSerialEvents = {
    TSerialEvent::evRxChar, TSerialEvent::evTxEmpty, TSerialEvent::evRxFlag, TSerialEvent::evRing,
    TSerialEvent::evBreak,  TSerialEvent::evCTS,     TSerialEvent::evDSR,    TSerialEvent::evError,
    TSerialEvent::evRLSD,   TSerialEvent::evRx80Full};

// The order in which the events of one batch are raised: errors first, so that a handler of
// received bytes already knows the line failed.
inline constexpr std::array<TSerialEvent, 10> kDispatchOrder = {
    TSerialEvent::evError, TSerialEvent::evRxChar,  TSerialEvent::evTxEmpty, TSerialEvent::evBreak,
    TSerialEvent::evRing,  TSerialEvent::evCTS,     TSerialEvent::evDSR,     TSerialEvent::evRxFlag,
    TSerialEvent::evRLSD,  TSerialEvent::evRx80Full};

// The Windows event-mask bit (EV_...) of an event, and the conversions of whole sets; bits
// that stand for no event are dropped.
std::uint32_t EventMaskBit(TSerialEvent event);
std::uint32_t EventsToMask(TSerialEvents events);
TSerialEvents MaskToEvents(std::uint32_t mask);

// Line errors, as ClearCommError reports them.
enum class TSerialError {
    seFrame,
    seRxParity,
    seOverrun,
    seBreak,
    seIO,
    seMode,
    seRxOver,
    seTxFull
};
using TSerialErrors = TEnumSet<TSerialError>;
// Parity errors count only when the port checks parity.
TSerialErrors ErrorsFromComm(std::uint32_t commErrors, bool parityCheck);

// Input lines, as GetCommModemStatus reports them.
enum class TModemSignal { msCTS, msDSR, msRing, msRLSD };
using TModemSignals = TEnumSet<TModemSignal>;
TModemSignals SignalsFromModemStatus(std::uint32_t status);

} // namespace tav
