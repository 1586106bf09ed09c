#include "components/serial/SerialTypes.h"

namespace tav {
namespace {

// EV_RXCHAR, EV_TXEMPTY, EV_RXFLAG, EV_RING, EV_BREAK, EV_CTS, EV_DSR, EV_ERR, EV_RLSD and
// EV_RX80FULL, by the event's ordinal.
constexpr std::array<std::uint32_t, 10> kEventBits = {0x0001, 0x0004, 0x0002, 0x0100, 0x0040,
                                                      0x0008, 0x0010, 0x0080, 0x0020, 0x0400};

// CE_FRAME, CE_RXPARITY, CE_OVERRUN, CE_BREAK, CE_IOE, CE_MODE, CE_RXOVER and CE_TXFULL, by
// the error's ordinal.
constexpr std::array<std::uint32_t, 8> kErrorBits = {0x0008, 0x0004, 0x0002, 0x0010,
                                                     0x0400, 0x8000, 0x0001, 0x0100};

// MS_CTS_ON, MS_DSR_ON, MS_RING_ON and MS_RLSD_ON, by the signal's ordinal.
constexpr std::array<std::uint32_t, 4> kModemBits = {0x10, 0x20, 0x40, 0x80};

template <class E, std::size_t N>
TEnumSet<E> SetFromBits(const std::array<std::uint32_t, N>& table, std::uint32_t bits) {
    TEnumSet<E> set;
    for (std::size_t i = 0; i < N; ++i)
        if ((bits & table[i]) != 0)
            set.Include(static_cast<E>(i));
    return set;
}

} // namespace

std::uint32_t EventMaskBit(TSerialEvent event) {
    return kEventBits[static_cast<std::size_t>(event)];
}

std::uint32_t EventsToMask(TSerialEvents events) {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < kEventBits.size(); ++i)
        if (events.Contains(static_cast<TSerialEvent>(i)))
            mask |= kEventBits[i];
    return mask;
}

TSerialEvents MaskToEvents(std::uint32_t mask) {
    return SetFromBits<TSerialEvent>(kEventBits, mask);
}

TSerialErrors ErrorsFromComm(std::uint32_t commErrors, bool parityCheck) {
    TSerialErrors errors = SetFromBits<TSerialError>(kErrorBits, commErrors);
    if (!parityCheck)
        errors.Exclude(TSerialError::seRxParity);
    return errors;
}

TModemSignals SignalsFromModemStatus(std::uint32_t status) {
    return SetFromBits<TModemSignal>(kModemBits, status);
}

} // namespace tav
