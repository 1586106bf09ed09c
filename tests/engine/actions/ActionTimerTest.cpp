#include "engine/actions/ActionTimer.h"
#include "engine/RecognitionFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

using namespace tav;
using namespace tav::testing;

namespace {

using Strings = std::vector<std::string>;

// The chain's timer on a clock that moves only when the test says so, and an executor that
// runs "name" or "name:delay" (keeping the wait, or asking for delay + 1 ms) and fails "name!".
struct Chain : ::testing::Test, IActionClock, IActionExecutor {
    unsigned now = 0, interval = 1, due = 0;
    bool enabled = false;
    std::vector<std::pair<unsigned, std::string>> ran;
    std::function<void()> during;
    int underWay = 0, mostUnderWay = 0; // actions started and not yet ended

    TDocument doc;
    FakeErrors errors;
    TActionTimer timer{doc, *this, *this, errors};

    void SetInterval(unsigned ms) override { interval = ms; }
    void SetEnabled(bool on) override {
        if (on && !enabled)
            due = now + interval;
        enabled = on;
    }
    void Advance(unsigned ms) {
        const unsigned end = now + ms;
        for (; enabled && due <= end; due = now + interval) {
            now = due;
            timer.ActionTimerTimer();
        }
        now = end;
    }
    std::optional<unsigned> ExecuteAction(const std::string& s) override {
        ran.emplace_back(now, s);
        mostUnderWay = std::max(mostUnderWay, ++underWay);
        if (during)
            std::exchange(during, nullptr)();
        --underWay;
        if (s.ends_with('!'))
            throw std::runtime_error("cannot run " + s);
        const auto colon = s.find(':');
        if (colon == std::string::npos)
            return std::nullopt;
        return static_cast<unsigned>(std::stoi(s.substr(colon + 1))) + 1;
    }

    TAction* Item(Strings actions, bool allAtOnce, TLayout* in = nullptr) {
        TAction* item = doc.AddAction(in ? in : doc.DefaultLayout(), "item");
        item->ActionStrings = std::move(actions);
        item->CurrentIndex = 0;
        item->AllAtOnce = allAtOnce;
        return item;
    }
    // What the firing does when a command completes the item.
    void Complete(TAction* item) { timer.RunAction(*item); }
    Strings Ran() const {
        Strings names;
        for (const auto& r : ran)
            names.push_back(r.second);
        return names;
    }
};

} // namespace

TEST_F(Chain, EachCompletionRunsTheNextActionAndWrapsAround) {
    TAction* item = Item({"one", "two", "three"}, false);
    for (int i = 0; i < 4; ++i) {
        Complete(item);
        Advance(5000);
    }
    EXPECT_EQ(Ran(), (Strings{"one", "two", "three", "one"}));
    EXPECT_EQ(item->CurrentIndex, 1);
}

TEST_F(Chain, AllAtOnceRunsEachActionAfterThePreviousOnesDelay) {
    TAction* item = Item({"a:500", "b:0", "c:250"}, true);
    now = 1000;
    Complete(item);
    Advance(5000);
    ASSERT_EQ(ran.size(), 3u);
    EXPECT_EQ(ran[0].first, 1000u) << "the first action runs inside the firing";
    EXPECT_EQ(ran[1].first, 1501u);
    EXPECT_EQ(ran[2].first, 1502u);
    EXPECT_EQ(item->CurrentIndex, 0);
    EXPECT_FALSE(timer.Running());

    item->ActionStrings = {"a:500", "b", "c"};
    ran.clear();
    Complete(item);
    Advance(5000);
    EXPECT_EQ(ran[2].first - ran[1].first, 501u) << "an action that keeps the wait in force";
}

TEST_F(Chain, ACompletionDuringAChainStopsItWhereItWas) {
    TAction* chain = Item({"a:100", "b:100", "c:100"}, true);
    TAction* single = Item({"x"}, false);
    Complete(chain);
    Advance(150);
    Complete(single);
    Advance(1000);
    EXPECT_EQ(Ran(), (Strings{"a:100", "b:100", "x"}));
    Complete(chain);
    EXPECT_EQ(Ran().back(), "c:100") << "the next completion resumes with the action due";
}

TEST_F(Chain, DeletingTheItemOrItsLayoutOrANewDocumentStopsTheChain) {
    TLayout* layout = nullptr;
    TAction* item = nullptr;
    const std::vector<std::function<void()>> stops = {
        [&] { doc.DeleteAction(item); },
        [&] { doc.DeleteLayout(layout); },
        [&] { doc.Reset(); },
    };
    for (const auto& stop : stops) {
        layout = doc.AddLayout("Player", "Player", "");
        item = Item({"a:100", "b:100"}, true, layout);
        ran.clear();
        Complete(item);
        stop();
        Advance(1000);
        EXPECT_EQ(ran.size(), 1u);
        EXPECT_FALSE(timer.Running());
    }

    // Deleted while its action lets messages run: nothing of it is touched afterwards.
    item = Item({"a:100", "b:100"}, true);
    during = [&] { doc.DeleteAction(item); };
    Complete(item);
    Advance(1000);
    EXPECT_FALSE(enabled);

    item = Item({"a:100", "b:100", "c:100"}, true);
    TAction* other = Item({"unrelated"}, false);
    ran.clear();
    Complete(item);
    doc.SetCurAction(other);
    Advance(150);
    doc.DeleteAction(other);
    Advance(1000);
    EXPECT_EQ(ran.size(), 3u) << "showing or deleting some other item leaves the chain alone";
}

TEST_F(Chain, AFailingActionIsReportedOnceAndTheIndexMovesOn) {
    TAction* item = Item({"a:100", "b!", "c:100"}, true);
    Complete(item);
    Advance(1000);
    EXPECT_EQ(Ran(), (Strings{"a:100", "b!", "c:100"}));
    EXPECT_EQ(errors.shown, Strings{"cannot run b!"});

    item->AllAtOnce = false;
    item->CurrentIndex = 1;
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
    item->ActionStrings.clear();
    Complete(item);
    EXPECT_EQ(Ran(), (Strings{"a", "a"}));
}

TEST_F(Chain, ACompletionWhileAnActionLetsMessagesRunWaitsForThatAction) {
    TAction* chain = Item({"a:100", "b:100"}, true);
    TAction* first = Item({"x"}, false);
    TAction* second = Item({"y"}, false);
    TAction* gone = Item({"never"}, false);
    during = [&] {
        Complete(first);
        Complete(gone);
        Complete(second);
        doc.DeleteAction(gone);
    };
    Complete(chain);
    EXPECT_EQ(Ran(), (Strings{"a:100", "x", "y"}))
        << "in the order they came, deleted ones left out";
    EXPECT_EQ(mostUnderWay, 1) << "no action ran inside another";
    EXPECT_EQ(chain->CurrentIndex, 1) << "the action that let them in counts as run";
    Advance(1000);
    EXPECT_EQ(ran.size(), 3u) << "the completions stopped the chain, as between its actions";

    // The same for an action the timer's tick runs.
    chain->CurrentIndex = 0;
    Complete(chain);
    during = [&] { Complete(first); };
    Advance(1000);
    EXPECT_EQ(Ran(), (Strings{"a:100", "x", "y", "a:100", "b:100", "x"}));
    EXPECT_EQ(mostUnderWay, 1);
}
