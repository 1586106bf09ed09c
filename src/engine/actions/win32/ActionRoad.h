#pragma once
// The executor and the action timer of the running program, with the Windows ports they own.
// What belongs to other components (the key sender, the mixer, the serial ports, the on-screen
// display, the origins, the action editor's lists) and the main window's timer are given.

#include "engine/actions/ActionTimer.h"
#include "engine/actions/win32/Win32ActionPorts.h"
#include "framework/win32/Timer.h"

namespace tav {

// A framework timer as the chain's clock.
class TTimerActionClock : public IActionClock {
public:
    explicit TTimerActionClock(TTimer& timer) : timer_(timer) {}
    void SetInterval(unsigned ms) override { timer_.SetInterval(ms); }
    void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }

private:
    TTimer& timer_;
};

struct TActionRoadParts {
    IKeySender& Keys;
    IAudioMixer& Mixer;
    ISerialPort& ReceiverPort;
    ISerialPort& DataPort;
    IActionDisplay& Display;
    IOriginSwitch& Origins;
    IMessageLists& Messages;
    const ActionLabels& Labels;
    // Made disabled with an interval of 1 ms; its tick is ActionTimer().ActionTimerTimer().
    TTimer& Timer;
    IErrorReporter& Errors;
};

class TActionRoad {
public:
    // Every part must outlive the road.
    TActionRoad(TDocument& doc, const TSettings& settings, const TActionRoadParts& parts);

    TActionExecutor& Executor() { return executor_; }
    // The recognizer's action runner.
    TActionTimer& ActionTimer() { return timer_; }

private:
    TWin32Input input_;
    TWin32Windows windows_;
    TWin32Programs programs_;
    TWin32Power power_;
    TWin32System system_;
    TTimerActionClock clock_;
    TActionExecutor executor_;
    TActionTimer timer_;
};

} // namespace tav
