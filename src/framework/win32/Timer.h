#pragma once
// A timer component: OnTimer every Interval milliseconds while Enabled. An interval of 0
// never fires; enabling a running timer leaves it running, while disabling and enabling (or
// setting a new interval) starts the wait again. A handler may stop its own timer.

#include "framework/win32/Controls.h"

namespace tav {

class TTimer : public TComponent {
public:
    struct Args {
        unsigned Interval = 1000;
        bool Enabled = true;
        TNotifyEvent OnTimer;
    };
    // Enabled with an interval of 1000 ms, as made.
    explicit TTimer(TComponent* owner, std::string name = {});
    ~TTimer() override;
    static TTimer* Construct(TComponent* owner, std::string name, Args&) {
        return new TTimer(owner, std::move(name));
    }
    void ApplyArgs(Args& args);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    TNotifyEvent OnTimer;

    // Delivers a WM_TIMER the application window got; false when no timer has that id.
    static bool Dispatch(UINT_PTR id);

private:
    void Update();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_;
    bool running_ = false;
};

} // namespace tav
