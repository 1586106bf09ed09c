#pragma once
// Runs the actions of the item that a fired command completed: its next action at each
// completion, or, for an "all at once" item, every action from the next one to the last, each
// after the wait the previous one asked for. The item is held here, apart from the item the
// panel shows: showing or editing another item leaves a chain running, while deleting its item
// or its layout, or a new or opened document, stops it instead of running a freed item.
//
// An action may let messages run (typing keys, sending a file), and a command fired in them
// completes its item meanwhile. That item's action waits until the action under way has ended:
// run inside it, its keys would mix into the keys being typed and its window and modifiers would
// be set back before any of them went out.

#include "engine/actions/ActionExecutor.h"
#include "engine/document/Document.h"
#include "engine/recognition/RecognitionPorts.h"

#include <deque>

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

    // The firing completed `item`: its next action runs now, or once the action under way ends.
    void RunAction(TAction& item) override;
    // The timer's tick: the next action of the chain, and the completions it let in.
    void ActionTimerTimer();
    // Whether a chain waits for its next action.
    bool Running() const { return item_ != nullptr; }

private:
    void Run();
    void RunWaiting();
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
    // Whether an action is being carried out now.
    bool executing_ = false;
    // Items completed while an action was being carried out, in the order they came.
    std::deque<TAction*> waiting_;
};

} // namespace tav
