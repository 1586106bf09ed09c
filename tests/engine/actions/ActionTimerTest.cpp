#include "engine/actions/ActionTimer.h"
#include "engine/RecognitionFakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace tav;
using namespace tav::testing;

namespace {

// A window timer on a clock that moves only when the test says so.
struct FakeClock : IActionClock {
    unsigned now = 0;
    unsigned interval = 1;
    bool enabled = false;
    unsigned due = 0;
    std::function<void()> onTick;
    void SetInterval(unsigned ms) override {
        interval = ms;
        due = now + interval;
    }
    void SetEnabled(bool on) override {
        if (on && !enabled)
            due = now + interval;
        enabled = on;
    }
    void Advance(unsigned ms) {
        const unsigned end = now + ms;
        while (enabled && interval > 0 && due <= end) {
            now = due;
            due = now + interval;
            onTick();
        }
        now = end;
    }
};

// Runs "name" or "name:delay"; "name!" fails. Records what ran and when.
struct FakeExecutor : IActionExecutor {
    FakeClock& clock;
    explicit FakeExecutor(FakeClock& c) : clock(c) {}
    std::vector<std::pair<unsigned, std::string>> ran;
    std::function<void(const std::string&)> during;
    std::optional<unsigned> ExecuteAction(const std::string& s) override {
        ran.emplace_back(clock.now, s);
        if (during)
            during(s);
        if (s.ends_with('!'))
            throw std::runtime_error("cannot run " + s);
        const auto colon = s.find(':');
        if (colon == std::string::npos)
            return std::nullopt;
        return static_cast<unsigned>(std::stoi(s.substr(colon + 1))) + 1;
    }
};

struct Chain : ::testing::Test {
    TDocument doc;
    FakeClock clock;
    FakeExecutor executor{clock};
    FakeErrors errors;
    TActionTimer timer{doc, clock, executor, errors};
    TLayout* layout = doc.AddLayout("Player", "Player", "");

    Chain() {
        clock.onTick = [this] { timer.ActionTimerTimer(); };
    }

    TAction* Item(std::vector<std::string> actions, bool allAtOnce, TLayout* in = nullptr) {
        TAction* item = doc.AddAction(in ? in : doc.DefaultLayout(), "item");
        item->ActionStrings = std::move(actions);
        item->CurrentIndex = 0;
        item->AllAtOnce = allAtOnce;
        return item;
    }
    // What the firing does when a command completes the item.
    void Complete(TAction* item) {
        doc.SetCurAction(item);
        timer.RunCurrentAction();
    }
    std::vector<std::string> Ran() const {
        std::vector<std::string> names;
        for (const auto& [at, s] : executor.ran)
            names.push_back(s);
        return names;
    }
};

} // namespace

TEST_F(Chain, EachCompletionRunsTheNextActionAndWrapsAround) {
    TAction* item = Item({"one", "two", "three"}, false);
    for (int i = 0; i < 4; ++i) {
        Complete(item);
        clock.Advance(5000);
    }
    EXPECT_EQ(Ran(), (std::vector<std::string>{"one", "two", "three", "one"}));
    EXPECT_EQ(item->CurrentIndex, 1);
    EXPECT_FALSE(clock.enabled);
}

TEST_F(Chain, AllAtOnceRunsEachActionAfterThePreviousOnesDelay) {
    TAction* item = Item({"a:500", "b:0", "c:250"}, true);
    clock.now = 1000;
    Complete(item);
    clock.Advance(5000);
    ASSERT_EQ(executor.ran.size(), 3u);
    EXPECT_EQ(executor.ran[0].first, 1000u) << "the first action runs inside the firing";
    EXPECT_EQ(executor.ran[1].first, 1501u);
    EXPECT_EQ(executor.ran[2].first, 1502u);
    EXPECT_EQ(item->CurrentIndex, 0);
    EXPECT_FALSE(timer.Running());

    // An action that keeps the wait in force: the next one comes after the earlier delay.
    item->ActionStrings = {"a:500", "b", "c"};
    executor.ran.clear();
    Complete(item);
    clock.Advance(5000);
    EXPECT_EQ(executor.ran[2].first - executor.ran[1].first, 501u);
}

TEST_F(Chain, ACompletionDuringAChainStopsItWhereItWas) {
    TAction* chain = Item({"a:100", "b:100", "c:100"}, true);
    TAction* single = Item({"x"}, false);
    Complete(chain);
    clock.Advance(150);
    Complete(single);
    clock.Advance(1000);
    EXPECT_EQ(Ran(), (std::vector<std::string>{"a:100", "b:100", "x"}));
    EXPECT_EQ(chain->CurrentIndex, 2);
    Complete(chain);
    EXPECT_EQ(Ran().back(), "c:100") << "the next completion resumes with the action due";
}

TEST_F(Chain, DeletingTheItemOrItsLayoutANewDocumentOrAnotherItemShownStopsTheChain) {
    const std::vector<std::string> actions = {"a:100", "b:100", "c:100"};
    const std::vector<std::function<void(TAction*)>> stops = {
        [&](TAction* item) { doc.DeleteAction(item); },
        [&](TAction*) { doc.DeleteLayout(layout); },
        [&](TAction*) { doc.Reset(); },
        [&](TAction*) { doc.SetCurAction(Item({"other"}, false)); },
    };
    for (const auto& stop : stops) {
        layout = doc.AddLayout("Player", "Player", "");
        TAction* item = Item(actions, true, layout);
        executor.ran.clear();
        Complete(item);
        stop(item);
        clock.Advance(1000);
        EXPECT_EQ(executor.ran.size(), 1u);
        EXPECT_FALSE(timer.Running());
    }

    TAction* item = Item(actions, true);
    TAction* other = Item({"unrelated"}, false);
    executor.ran.clear();
    Complete(item);
    doc.DeleteAction(other);
    clock.Advance(1000);
    EXPECT_EQ(executor.ran.size(), 3u) << "deleting some other item leaves the chain alone";
}

TEST_F(Chain, TheItemDeletedWhileItsActionLetsMessagesRunIsNotTouchedAfterwards) {
    TAction* item = Item({"a:100", "b:100"}, true);
    executor.during = [&](const std::string&) { doc.DeleteAction(item); };
    Complete(item);
    executor.during = nullptr;
    clock.Advance(1000);
    EXPECT_EQ(executor.ran.size(), 1u);
    EXPECT_FALSE(clock.enabled);
}

TEST_F(Chain, AFailingActionIsReportedOnceAndTheChainGoesOn) {
    TAction* item = Item({"a:100", "b!", "c:100"}, true);
    Complete(item);
    clock.Advance(1000);
    EXPECT_EQ(Ran(), (std::vector<std::string>{"a:100", "b!", "c:100"}));
    EXPECT_EQ(errors.shown, std::vector<std::string>{"cannot run b!"});

    item->AllAtOnce = false;
    Complete(item);
    Complete(item);
    Complete(item);
    EXPECT_EQ(Ran().back(), "c:100") << "the failing action does not block the ones after it";
    EXPECT_EQ(errors.shown.size(), 2u);
}

TEST_F(Chain, AnIndexOutsideTheStringsStartsFromTheFirst) {
    TAction* item = Item({"a", "b"}, false);
    item->CurrentIndex = 7;
    Complete(item);
    item->CurrentIndex = -1;
    Complete(item);
    EXPECT_EQ(Ran(), (std::vector<std::string>{"a", "a"}));
    item->ActionStrings.clear();
    Complete(item);
    EXPECT_EQ(executor.ran.size(), 2u);
}
