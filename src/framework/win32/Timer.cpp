#include "framework/win32/Timer.h"

#include "framework/win32/Forms.h"

#include <unordered_map>

namespace tav {
namespace {

std::unordered_map<UINT_PTR, TTimer*>& Timers() {
    static std::unordered_map<UINT_PTR, TTimer*> map;
    return map;
}

UINT_PTR NextId() {
    static UINT_PTR next = 1;
    return next++;
}

// The application window receives every timer's ticks.
int InstallTimerHook() {
    return Application().HookMainWindow(
        [](TMessage& m) { return m.Msg == WM_TIMER && TTimer::Dispatch(m.WParam); });
}

} // namespace

TTimer::TTimer(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), id_(NextId()) {
    static const int hook = InstallTimerHook();
    (void)hook;
    Timers()[id_] = this;
    Update();
}

TTimer::~TTimer() {
    enabled_ = false;
    Update();
    Timers().erase(id_);
}

void TTimer::ApplyArgs(Args& args) {
    OnTimer = std::move(args.OnTimer);
    SetInterval(args.Interval);
    SetEnabled(args.Enabled);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval_ == interval)
        return;
    interval_ = interval;
    Update();
}

void TTimer::Update() {
    if (running_) {
        KillTimer(Application().Handle(), id_);
        running_ = false;
    }
    if (enabled_ && interval_ > 0)
        running_ = SetTimer(Application().Handle(), id_, interval_, nullptr) != 0;
}

bool TTimer::Dispatch(UINT_PTR id) {
    auto it = Timers().find(id);
    if (it == Timers().end())
        return false;
    TTimer* timer = it->second;
    // A tick may still be queued after the timer was stopped.
    if (timer->running_)
        timer->Fire(timer->OnTimer, timer);
    return true;
}

} // namespace tav
