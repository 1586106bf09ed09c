#pragma once
// A framework timer as the engine sees a timer: starting a running one does not restart it.

#include "engine/recognition/RecognitionPorts.h"
#include "framework/win32/Timer.h"

namespace tav {

class TTimerPort : public ITimer {
public:
    explicit TTimerPort(TTimer& timer) : timer_(timer) {}
    void Start() override { timer_.SetEnabled(true); }
    void Stop() override { timer_.SetEnabled(false); }
    bool Running() const override { return timer_.Enabled(); }

private:
    TTimer& timer_;
};

} // namespace tav
