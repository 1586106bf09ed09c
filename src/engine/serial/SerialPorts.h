#pragma once
// What the serial origins need from the rest of the program: the serial port itself, the
// performance counter that times carrier-detect pulses, and the window and process around
// them. Each is small so that the serial component, the main window and the tests can
// provide it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tav {

// Line settings as the settings hold them: indexes into the lists of the device table's
// columns (speed 0 = 110 ... 12 = 115200 baud; parity None, Odd, Even, Mark, Space; data bits
// 5 to 8; stop bits 1, 1.5, 2).
struct TSerialLine {
    std::int32_t ComNumber = 1;
    std::int32_t Speed = 6;
    std::int32_t Parity = 0;
    std::int32_t DataBits = 3;
    std::int32_t StopBits = 0;
    bool operator==(const TSerialLine&) const = default;
};

// How many entries each of those lists has, and the highest COM number Windows names.
inline constexpr std::int32_t kSpeedIndexes = 13;
inline constexpr std::int32_t kParityIndexes = 5;
inline constexpr std::int32_t kDataBitsIndexes = 4;
inline constexpr std::int32_t kStopBitsIndexes = 3;
inline constexpr std::int32_t kLastComNumber = 256;

// One serial port. Its received bytes and carrier-detect changes reach the origin as calls
// on the main thread (the origin's ...RxChar and ...RLSDChange); opening reports the carrier
// once with its current state, closing reports it low.
class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // Opens "COM" + number with its event thread at time-critical priority; nothing when it is
    // open already. May throw: whether it worked is told by Connected alone.
    virtual void Open(const TSerialLine& line) = 0;
    // Nothing when it is not open. Events of a batch still pending may arrive inside.
    virtual void Close() = 0;
    virtual bool Connected() const = 0;
    virtual void SetDTR(bool high) = 0;
    virtual void SetRTS(bool high) = 0;
    virtual void Write(std::string_view bytes) = 0;
};

class IPerformanceCounter {
public:
    virtual ~IPerformanceCounter() = default;
    virtual std::int64_t Frequency() const = 0; // counts per second
    virtual std::int64_t Now() const = 0;
};

// Message box: text, caption and flags as Windows takes them; the result is the id of the
// pressed button.
using TMessageBoxFn =
    std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;

// The flags and answers the serial origins use, with their Windows values.
inline constexpr unsigned kMbOk = 0x00;
inline constexpr unsigned kMbYesNoCancel = 0x03;
inline constexpr unsigned kMbYesNo = 0x04;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class ISerialHost {
public:
    virtual ~ISerialHost() = default;
    // The user's language for a message keyed by its English text.
    virtual std::string Translate(const std::string& english) = 0;
    // An open that raised an error.
    virtual void Beep() = 0;
    // The hourglass cursor while the receiver starts up.
    virtual void SetBusy(bool busy) = 0;
    // The process's priority class: high while carrier-detect pulses are timed, else normal.
    virtual void SetHighPriority(bool high) = 0;
    // The recognition time-out's interval, set whenever a port opens.
    virtual void SetTimeOutInterval(unsigned ms) = 0;
};

} // namespace tav
