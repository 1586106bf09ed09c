#pragma once
// The receiver port. Its device is an infrared receiver that sends bytes (packed into values
// of "Value size" bytes), or a bare demodulator whose pulses arrive as carrier-detect edges
// (the time between rising edges becomes the value). Opening runs the receiver's start-up:
// DTR and RTS low, then raised as stored, then the init string one character per tick; bytes
// count only once it has gone out. The search probes COM1 to COM8 for a receiver that
// answers "OK" to its init string. A receiver read through a device driver is opened and
// closed by the driver origins instead of the port.

#include "engine/recognition/CodeReceiver.h"
#include "engine/serial/DeviceTable.h"
#include "engine/serial/SerialPorts.h"
#include "engine/serial/ValuePacker.h"
#include "engine/settings/Settings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

// Opens (true) or closes (false) the receiver read through a device driver; false when that
// failed, after it has said why.
using TDriverReceiverFn = std::function<bool(bool active)>;

struct TSerialReceiverLinks {
    TSettings& Settings;
    // The receiver's device mode decides between the port and the driver.
    const TDeviceModes& Modes;
    TCodeReceiver& Codes;
    ISerialPort& Port;
    // The start-up timer (UIRTimer) and its interval.
    ITimer& StartUpTimer;
    std::function<void(unsigned)> SetStartUpInterval;
    const IPerformanceCounter& Clock;
    ISerialHost& Host;
    TMessageBoxFn ShowMessage; // not "MessageBox", which <windows.h> makes a macro
    TDriverReceiverFn DriverReceiver;
    // What failed on the port outside any call of the caller's (the init string's writes).
    IErrorReporter& Errors;
};

inline constexpr unsigned kStartUpStepMs = 300;
inline constexpr unsigned kInitCharMs = 100;
inline constexpr std::int32_t kLastSearchPort = 8;

class TSerialReceiver {
public:
    // Every link must outlive the receiver. Reads the counter's frequency once.
    explicit TSerialReceiver(TSerialReceiverLinks links);

    // Opens (true) or closes (false) the receiver; false when that failed, after saying why.
    // It closes the way it was opened, also when its device type changed in between.
    bool OpenSerialReceiver(bool active);
    // The search from `port` to COM8 (the serial-port dialog starts it at 1): opens the first
    // port that opens and lets the start-up send the init string; the answer is judged when
    // the start-up is done. False when it ended without a port to probe.
    bool FindUIRPort(std::int32_t port);
    bool Searching() const { return searching_; }
    // A search still probing ends as if nothing was found.
    void StopSearch();
    // Told of the port the user took from a search, once it is the receiver's stored port.
    std::function<void(std::int32_t port)> OnPortFound;

    // Handlers of the start-up timer, the port's events and the end-of-code timer.
    void UIRTimerTimer();
    void ComPortRxChar(std::string_view bytes);
    void ComPortRLSDChange(bool carrier);
    void IRTimerTimer();

private:
    enum class TRoute { Port, Driver };
    // 0..3 of the start-up; data are taken in kReady only.
    enum TStartUp { kLinesLow, kLinesRaised, kSending, kReady };

    TRoute ModeRoute() const;
    bool OpenPort(std::int32_t com);
    bool Close();
    void SendInitChar();
    void InitStringFailed(const std::string& error);
    void JudgeAnswer();
    void ProbeNextPort();
    void EndSearch();

    TSerialReceiverLinks l_;
    std::int64_t frequency_;
    // How the receiver was opened, while it is open.
    std::optional<TRoute> open_;
    TStartUp state_ = kLinesLow;
    std::string initString_;
    std::size_t initSent_ = 0;
    TValuePacker packer_;
    std::int64_t lastEdge_ = 0; // counter at the last rising edge; 0 before the first
    bool searching_ = false;
    std::int32_t searchPort_ = 1;
    // The probed receiver's answer, as raw bytes (only enough to tell "OK" apart).
    std::string answer_;
    // The receiver ran when the search took its port over.
    bool reopenAfterSearch_ = false;
};

// The whole microseconds of the part of `ticks` below one second at `frequency` ticks per
// second; 0 without a frequency.
std::int32_t FractionMicroseconds(std::int64_t ticks, std::int64_t frequency);

} // namespace tav
