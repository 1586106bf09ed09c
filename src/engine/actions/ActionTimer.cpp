#include "engine/actions/ActionTimer.h"

namespace tav {

TActionTimer::TActionTimer(TDocument& doc, IActionClock& clock, IActionExecutor& executor,
                           IErrorReporter& errors)
    : doc_(doc), clock_(clock), executor_(executor), errors_(errors) {
    listener_ = doc_.AddRunStateListener([this](TRunStateChange) {
        if (item_ != nullptr && !doc_.Contains(item_))
            Cancel();
        std::erase_if(waiting_, [this](const TAction* item) { return !doc_.Contains(item); });
    });
}

TActionTimer::~TActionTimer() {
    doc_.RemoveRunStateListener(listener_);
}

void TActionTimer::RunAction(TAction& item) {
    waiting_.push_back(&item);
    RunWaiting();
}

void TActionTimer::ActionTimerTimer() {
    Run();
    RunWaiting();
}

// Each waiting item in turn becomes the chain's item, as a completion between two actions of a
// chain does; called inside an action, it leaves them to the caller of that action.
void TActionTimer::RunWaiting() {
    while (!executing_ && !waiting_.empty()) {
        item_ = waiting_.front();
        waiting_.pop_front();
        Run();
    }
}

void TActionTimer::Cancel() {
    ++run_;
    item_ = nullptr;
    clock_.SetEnabled(false);
}

void TActionTimer::Run() {
    clock_.SetEnabled(false);
    TAction* item = item_;
    if (item == nullptr || item->ActionStrings.empty()) {
        item_ = nullptr;
        return;
    }
    auto index = static_cast<std::size_t>(item->CurrentIndex);
    if (item->CurrentIndex < 0 || index >= item->ActionStrings.size())
        index = 0;
    const unsigned run = ++run_;
    // A copy: the action may let messages run, in which the item's strings can change.
    const std::string action = item->ActionStrings[index];
    std::optional<std::string> error;
    executing_ = true;
    try {
        if (const auto interval = executor_.ExecuteAction(action))
            clock_.SetInterval(*interval);
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        executing_ = false;
        throw;
    }
    executing_ = false;
    if (run != run_)
        return;
    // A failed action still counts as run: the next completion goes on with the next one.
    const bool more = index + 1 < item->ActionStrings.size();
    item->CurrentIndex = more ? static_cast<int>(index + 1) : 0;
    if (error) {
        errors_.ShowError(*error);
        if (run != run_)
            return;
    }
    if (more && item->AllAtOnce)
        clock_.SetEnabled(true);
    else
        item_ = nullptr;
}

} // namespace tav
