#pragma once
// Runs the actions of the item that a fired command completed: its next action at each
// completion, or, for an "all at once" item, every action from the next one to the last, each
// after the wait the previous one asked for. The item is held here, apart from the item the
// panel shows: showing or editing another item leaves a chain running, while deleting its item
// or its layout, or a new or opened document, stops it instead of running a freed item.

#include "engine/actions/ActionExecutor.h"
#include "engine/document/Document.h"
#include "engine/recognition/RecognitionPorts.h"

namespace tav {

// The one-shot timer between the actions of a chain (the clock of the chain).
class IActionClock {
public:
    virtual ~IActionClock() = default;
    virtual void SetInterval(unsigned ms) = 0;
    // Enabling a running timer does not restart it; disabling and enabling does.
    virtual void SetEnabled(bool enabled) = 0;
};

class TActionTimer : public IActionRunner {
public:
    // Every reference must outlive the timer.
    TActionTimer(TDocument& doc, IActionClock& clock, IActionExecutor& executor,
                 IErrorReporter& errors);
    ~TActionTimer() override;
    TActionTimer(const TActionTimer&) = delete;
    TActionTimer& operator=(const TActionTimer&) = delete;

    // The firing completed `item`: its next action runs now.
    void RunAction(TAction& item) override;
    // The timer's tick: the next action of the chain.
    void ActionTimerTimer();
    // Whether a chain waits for its next action.
    bool Running() const { return item_ != nullptr; }

private:
    void Run();
    void Cancel();

    TDocument& doc_;
    IActionClock& clock_;
    IActionExecutor& executor_;
    IErrorReporter& errors_;
    int listener_ = 0;
    // The item of the chain; none when no chain waits.
    TAction* item_ = nullptr;
    // Counts runs and cancellations, so that a run that let messages through can tell whether
    // a newer run or a cancellation happened meanwhile.
    unsigned run_ = 0;
};

} // namespace tav
