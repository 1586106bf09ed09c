// Key strings planned against a made-up layout and sent into a recording injector.

#include "components/sendkeys/KeySender.h"
#include "components/sendkeys/KeyCodes.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

using namespace tav;

namespace {

// Letters and digits as on a US keyboard; "!" is Shift+1, and "@" is AltGr+Q as on a German
// one. Nothing types "\xE3".
class TFakeLayout : public IKeyboardLayout {
public:
    std::optional<TKeyScan> KeyScan(char c) const override {
        if (c >= 'a' && c <= 'z')
            return TKeyScan{static_cast<std::uint8_t>(c - 32), 0};
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return TKeyScan{static_cast<std::uint8_t>(c), c >= 'A' ? kShiftBit : std::uint8_t{0}};
        if (c == '!')
            return TKeyScan{'1', kShiftBit};
        if (c == '@')
            return TKeyScan{'Q', kCtrlBit | kAltBit};
        return std::nullopt;
    }
    std::uint8_t ScanCode(std::uint8_t vk) const override {
        static const std::map<std::uint8_t, std::uint8_t> scans{{0x10, 42}, {0x11, 29}, {0x12, 56}};
        const auto it = scans.find(vk);
        return it != scans.end() ? it->second : static_cast<std::uint8_t>(vk / 2);
    }
};

// "+X" and "-X" for the down and up of key X, with "*" after an extended key; "|" for a pump.
std::string Name(const TKeyStroke& e) {
    static const std::map<std::uint8_t, std::string> names{
        {0x10, "Shift"}, {0x11, "Ctrl"}, {0x12, "Alt"},  {0x0D, "Enter"},
        {0x70, "F1"},    {0x7B, "F12"},  {0x24, "Home"}, {0x23, "End"},
        {0x26, "Up"},    {0x28, "Down"}, {0x25, "Left"}, {0x27, "Right"},
        {0x21, "PgUp"},  {0x22, "PgDn"}, {0x2D, "Ins"},  {0x2E, "Del"}};
    const auto it = names.find(e.Vk);
    const std::string key =
        it != names.end() ? it->second : std::string(1, static_cast<char>(e.Vk));
    return (e.Up ? "-" : "+") + key + (e.Extended ? "*" : "");
}

class TRecordingInjector : public IKeyInjector {
public:
    std::string Log;
    std::function<void()> OnPump;
    std::function<void(const TKeyStroke&)> OnSend;
    std::map<std::uint8_t, bool> Down;

    void Send(const TKeyStroke& e) override {
        if (OnSend)
            OnSend(e);
        Log += Name(e) + " ";
        Down[e.Vk] = !e.Up;
        Scans.push_back(e.Scan);
    }
    void Pump() override {
        Log += "| ";
        if (OnPump)
            OnPump();
    }
    bool AnyDown() const {
        for (const auto& [vk, down] : Down)
            if (down)
                return true;
        return false;
    }
    std::vector<std::uint8_t> Scans;
};

struct KeySender : ::testing::Test {
    TFakeLayout layout;
    TRecordingInjector injector;
    TKeySender sender{layout, injector};

    std::string Sent(const std::string& keys) {
        injector.Log.clear();
        sender.Send(keys);
        return injector.Log;
    }
};

TEST_F(KeySender, CodesOfTheTableAreTheirKeysAndTheCursorBlockIsExtended) {
    EXPECT_EQ(Sent("A"), "+Shift +A -A -Shift | ");
    EXPECT_EQ(injector.Scans.front(), 42) << "scan codes come from the layout";
    EXPECT_EQ(Sent("\r\xE4\xEF"), "+Enter -Enter | +F1 -F1 | +F12 -F12 | ");
    EXPECT_EQ(Sent("\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9"),
              "+Home* -Home* | +End* -End* | +Up* -Up* | +Down* -Down* | +Left* -Left* | "
              "+Right* -Right* | +PgUp* -PgUp* | +PgDn* -PgDn* | +Ins* -Ins* | +Del* -Del* | ");
    EXPECT_EQ(DescribeCode(kAltUpCode).Vk, kVkMenu);
    EXPECT_TRUE(DescribeCode(kAltUpCode).Up);
}

TEST_F(KeySender, AHeldModifierReplacesTheShiftsTheLayoutAsksFor) {
    EXPECT_EQ(Sent("\xFA"
                   "a\xFB"),
              "+Shift | +A -A | -Shift | ");
    EXPECT_EQ(Sent("\xFE"
                   "A\xFF"),
              "+Alt | +A -A | -Alt | ");
    // Releasing Shift leaves Ctrl held: the letter gets no Shift of its own.
    EXPECT_EQ(Sent("\xFC\xFA\xFB"
                   "X\xFD"),
              "+Ctrl | +Shift | -Shift | +X -X | -Ctrl | ");
    // With every modifier released the layout's shifts come back.
    EXPECT_EQ(Sent("\xFC\xFD!"), "+Ctrl | -Ctrl | +Shift +1 -1 -Shift | ");
}

TEST_F(KeySender, AnAltGrCharacterGetsCtrlAndAltAndAnUntypableOneIsSkipped) {
    EXPECT_EQ(Sent("@"), "+Ctrl +Alt +Q -Q -Alt -Ctrl | ");
    EXPECT_EQ(Sent("a\xE3z"), "+A -A | | +Z -Z | ");
    EXPECT_FALSE(injector.AnyDown());
}

TEST_F(KeySender, AFailureReleasesWhatTheStringPressedAndDropsTheQueuedCalls) {
    injector.OnSend = [](const TKeyStroke& e) {
        if (e.Vk == 'B' && !e.Up)
            throw std::runtime_error("refused");
    };
    injector.OnPump = [&] { sender.Send("c"); };
    EXPECT_THROW(sender.Send("\xFC"
                             "a\xFE"
                             "B"),
                 std::runtime_error);
    EXPECT_EQ(injector.Log, "+Ctrl | +A -A | +Alt | -Alt -Ctrl ")
        << "the failed key's down was refused, so it is not released";
    EXPECT_FALSE(injector.AnyDown());
    // The layout's own Shift around a refused key is released too, and the sender recovers.
    injector.OnPump = nullptr;
    EXPECT_THROW(Sent("B"), std::runtime_error);
    EXPECT_FALSE(injector.AnyDown());
    EXPECT_EQ(Sent("c"), "+C -C | ");
}

TEST_F(KeySender, ACallFromTheMessagesBetweenKeysWaitsForTheStringBeingSent) {
    std::vector<std::string> calls;
    int pumps = 0;
    injector.OnPump = [&] {
        if (++pumps == 1)
            sender.Send("xy", [&] {
                injector.Log += "activate ";
                calls.push_back("nested");
            });
        if (pumps == 5) // inside the queued string: queued again, after it
            sender.Send("z");
    };
    sender.Send("\xFA"
                "ab\xFB");
    EXPECT_EQ(injector.Log, "+Shift | +A -A | +B -B | -Shift | "
                            "activate +X -X | +Y -Y | +Z -Z | ");
    EXPECT_EQ(calls, std::vector<std::string>{"nested"});
}

} // namespace
