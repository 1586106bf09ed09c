// A command fired while the keys of an action are being typed, on the road the program takes:
// recognizer, action timer, executor and the real key sender, with every event they inject
// recorded in one log.

#include "components/sendkeys/KeySender.h"
#include "engine/RecognitionFakes.h"
#include "engine/actions/ActionFakes.h"
#include "engine/actions/ActionTimer.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

// Lower-case letters only, each on its own key.
struct LetterLayout : IKeyboardLayout {
    std::optional<TKeyScan> KeyScan(char c) const override {
        if (c < 'a' || c > 'z')
            return std::nullopt;
        return TKeyScan{static_cast<std::uint8_t>(c - 32), 0};
    }
    std::uint8_t ScanCode(std::uint8_t) const override { return 0; }
};

// The key sender's events in the words of the executor's own key events.
struct LoggingInjector : IKeyInjector {
    Events& log;
    std::function<void()> betweenKeys;
    explicit LoggingInjector(Events& l) : log(l) {}
    void Send(const TKeyStroke& e) override {
        log.push_back("key " + Hex(e.Vk) + (e.Up ? " up" : " down"));
    }
    void Pump() override {
        if (betweenKeys)
            std::exchange(betweenKeys, nullptr)();
    }
};

struct SenderPort : IKeySender {
    TKeySender& sender;
    IKeySender& titles;
    SenderPort(TKeySender& s, IKeySender& t) : sender(s), titles(t) {}
    void SendKeys(const std::string& keys) override { sender.Send(keys); }
    TWindowHandle GetHandleFromWindowTitle(const std::string& title) override {
        return titles.GetHandleFromWindowTitle(title);
    }
};

struct IdleClock : IActionClock {
    void SetInterval(unsigned) override {}
    void SetEnabled(bool) override {}
};

struct FiringDuringKeys : ::testing::Test {
    FakeActionWorld world;
    LetterLayout layout;
    LoggingInjector injector{world.log};
    TKeySender sender{layout, injector};
    SenderPort keys{sender, world};
    TActionExecutor executor{world.settings, ExecutorPorts()};

    TDocument doc;
    FakePorts fake;
    IdleClock clock;
    TActionTimer timer{doc, clock, executor, fake.errors};
    TRecognizer engine{doc, RecognitionPorts()};
    TCommandNode* remote = doc.AddRemote("TV");

    TActionPorts ExecutorPorts() {
        TActionPorts ports = world.Ports();
        ports.Keys = &keys;
        return ports;
    }
    TRecognitionPorts RecognitionPorts() {
        TRecognitionPorts ports = fake.Ports();
        ports.Actions = &timer;
        return ports;
    }
    void Window(TWindowHandle handle, const std::string& title) {
        world.windows.push_back({handle, title, "Class"});
        world.titles[title] = handle;
    }
    // A command whose one item types `letters` into `window` with the Windows key held.
    TCommand* TypingCommand(const std::string& letters, const std::string& window) {
        TCommandNode* node = doc.AddCommand(remote, letters);
        TAction* item = doc.AddAction(doc.DefaultLayout(), letters);
        doc.AddTrigger(item, node);
        item->TrigType = 1;
        item->ActionStrings = {"\xA1SendKeys\xA1NNLN" + letters + "Delay:0DestWnd:" + window +
                               "KeepActive:N"};
        item->CurrentIndex = 0;
        return node->Data();
    }
};

} // namespace

TEST_F(FiringDuringKeys, TheNestedActionWaitsAndEachRestoreFollowsItsOwnKeys) {
    world.settings.SetBool("Advanced keypress", true);
    world.foreground = 5;
    Window(10, "Editor");
    Window(20, "Player");
    TCommand* outer = TypingCommand("abc", "Editor");
    TCommand* nested = TypingCommand("x", "Player");
    std::size_t eventsWhenFiringEnded = 0;
    injector.betweenKeys = [&] {
        engine.FireCommand(*nested);
        eventsWhenFiringEnded = world.log.size();
    };
    engine.FireCommand(*outer);

    EXPECT_EQ(world.log,
              (Events{"front 10", "key 5B down", "key 41 down", "key 41 up", "key 42 down",
                      "key 42 up", "key 43 down", "key 43 up", "key 5B up", "front 5", "front 20",
                      "key 5B down", "key 58 down", "key 58 up", "key 5B up", "front 5"}));
    EXPECT_EQ(eventsWhenFiringEnded, 4u) << "the firing itself went on between the keys";
    EXPECT_TRUE(fake.errors.shown.empty());
}
