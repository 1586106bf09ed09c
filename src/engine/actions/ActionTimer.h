#pragma once
// Runs the actions of the item that a fired command completed: its next action at each
// completion, or, for an "all at once" item, every action from the next one to the last, each
// after the wait the previous one asked for. The item is held here, not taken from the panel at
// each step: deleting it or its layout, a new or opened document, or the panel showing another
// item stops the chain instead of running a freed or different item.

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

    // The firing made the document's current item the one to run: its next action runs now.
    void RunCurrentAction() override;
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
    // The item of the chain; set only while the document's current item is this one.
    TAction* item_ = nullptr;
    // Counts runs and cancellations, so that a run that let messages through can tell whether
    // a newer run or a cancellation happened meanwhile.
    unsigned run_ = 0;
};

} // namespace tav
