#pragma once
// The values the port sends to its device, built from its settings: the fields of the device
// control block (SetCommState), the timeouts (SetCommTimeouts) and the queue sizes (SetupComm).
// Values the device cannot take raise std::out_of_range: a line setting that is no member of its
// enumeration, a queue limit above 65535, a negative timeout other than -1 (no limit) and a
// negative queue size.

#include "components/serial/SerialSettings.h"

#include <cstdint>

namespace tav {

// The device control block's flag bits.
namespace comm_flags {
inline constexpr std::uint32_t kBinary = 0x0001;
inline constexpr std::uint32_t kParity = 0x0002;
inline constexpr std::uint32_t kOutxCtsFlow = 0x0004;
inline constexpr std::uint32_t kOutxDsrFlow = 0x0008;
inline constexpr int kDtrControlShift = 4; // two bits
inline constexpr std::uint32_t kDsrSensitivity = 0x0040;
inline constexpr std::uint32_t kTxContinueOnXoff = 0x0080;
inline constexpr std::uint32_t kOutX = 0x0100;
inline constexpr std::uint32_t kInX = 0x0200;
inline constexpr std::uint32_t kErrorChar = 0x0400;
inline constexpr std::uint32_t kNull = 0x0800;
inline constexpr int kRtsControlShift = 12; // two bits
} // namespace comm_flags

struct TCommStateValues {
    std::uint32_t BaudRate = 0;
    std::uint32_t Flags = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 0;
    std::uint8_t Parity = 0;
    std::uint8_t StopBits = 0;
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

struct TCommTimeoutValues {
    std::uint32_t ReadInterval = 0;
    std::uint32_t ReadTotalMultiplier = 0;
    std::uint32_t ReadTotalConstant = 0;
    std::uint32_t WriteTotalMultiplier = 0;
    std::uint32_t WriteTotalConstant = 0;
};

struct TQueueSizes {
    std::uint32_t Input = 0;
    std::uint32_t Output = 0;
};

TCommStateValues BuildCommState(const TSerialProperties& port);
TCommTimeoutValues BuildCommTimeouts(const TSerialTimeouts& timeouts);
TQueueSizes BuildQueueSizes(const TSerialBuffer& buffer);

// The longest the device runs a read or write of `count` bytes, in milliseconds: as long as the
// port's timeouts let it. One they do not end (a write without a total timeout, a read that
// waits for its bytes) gets the time the bytes take on the line at the port's rate.
std::uint64_t OperationTimeLimitMs(const TSerialProperties& port, bool write, std::uint32_t count);

} // namespace tav
