#include "engine/origins/TvApplication.h"
#include "engine/origins/TvCardOrigin.h"
#include "engine/serial/SerialFakes.h"

#include <gtest/gtest.h>

#include <deque>

using namespace tav;
using namespace tav::testing;

namespace {

// A call through an entry that is not bound, or no longer is, fails the test.
struct FakeTvCardLibrary : ITvCardLibrary {
    bool present = true, hasEntry = true, loaded = false, bound = false;
    std::deque<std::int32_t> keys;
    bool Load() override { return loaded = present; }
    bool Bind() override { return bound = hasEntry; }
    std::int32_t GetTVParam(std::int32_t which) override {
        EXPECT_TRUE(bound && which == 17);
        const std::int32_t key = keys.empty() ? 0 : keys.front();
        if (!keys.empty())
            keys.pop_front();
        return key;
    }
    void Free() override { loaded = bound = false; }
};

struct FakeTestView : IOriginTestView {
    TDataFormat format = TDataFormat::Decimal;
    std::vector<std::string> lines;
    std::function<void()> onLine = [] {};
    bool Visible() const override { return true; }
    TDataFormat Format() const override { return format; }
    void AddLine(const std::string& line) override {
        lines.push_back(line);
        onLine();
    }
};

struct TvOrigins : ::testing::Test, SerialOriginWorld {
    FakeTvCardLibrary library;
    FakeTimer poll;
    TTvCardOrigin card{{library, poll, codes, [](const std::string& s) { return s; }, boxes.Fn()}};
    FakeTestView view;

    TCommand* Learned(std::int32_t code) {
        TCommand* command = doc.AddCommand(doc.AddRemote("TV"), "Key")->Data();
        Learn(doc, *command, {code});
        return command;
    }
};

TEST_F(TvOrigins, TheTvCardSaysWhatIsMissingAndEachPollIsACodeOfTheKeysLowSixBits) {
    library.present = false;
    EXPECT_FALSE(card.OpenBestBuy(true));
    library.present = true;
    library.hasEntry = false;
    EXPECT_FALSE(card.OpenBestBuy(true));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].Text + "/" + boxes.shown[0].Caption,
              "Cannot load GRAPPLER.DLL/Initialization result");
    EXPECT_EQ(boxes.shown[1].Text, "Cannot link with GRAPPLER.DLL");
    EXPECT_FALSE(poll.running);

    library.hasEntry = true;
    ASSERT_TRUE(card.OpenBestBuy(true));
    TCommand* five = Learned(5);
    library.keys = {0x1C5, 0x17F, 0x0FF};
    card.BestBuyTimerTimer();
    EXPECT_EQ(doc.LastFiredCommand, five);
    EXPECT_TRUE(poll.running);
    codes.SetTestView(&view);
    for (int i = 0; i < 3; ++i)
        card.BestBuyTimerTimer(); // the last one with no key: a code all the same
    EXPECT_EQ(view.lines, (std::vector<std::string>{"127 ", "63 ", "0 "}));
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "the test window's codes do not linger";
}

TEST_F(TvOrigins, ClosingTheTvCardStopsThePollsAndForgetsTheEntry) {
    ASSERT_TRUE(card.OpenBestBuy(true));
    EXPECT_TRUE(card.OpenBestBuy(false));
    EXPECT_FALSE(poll.running || library.loaded);
    card.BestBuyTimerTimer(); // a poll already on its way calls nothing
    EXPECT_FALSE(poll.running);
    EXPECT_FALSE(card.OpenBestBuy(false)) << "nothing was loaded";

    // Loaded again, it is bound again; a code that closes the origin ends the polls.
    ASSERT_TRUE(card.OpenBestBuy(true));
    codes.SetTestView(&view);
    view.onLine = [this] { card.OpenBestBuy(false); };
    card.BestBuyTimerTimer();
    EXPECT_FALSE(poll.running || library.loaded);
}

TEST_F(TvOrigins, TheTvApplicationsTwoNumbersAreWrittenOneAfterTheOther) {
    const auto minus = [](std::int64_t v) { return static_cast<std::uint64_t>(v); };
    EXPECT_EQ(TvApplicationCode(0, 5), 5);
    EXPECT_EQ(TvApplicationCode(3, minus(-2)), 298) << "the minus sign takes a digit's place";
    // 32-bit numbers, as the TV application sends them; what overflows keeps its low 32 bits.
    EXPECT_EQ(TvApplicationCode(0xFFFFFFFF00000007u, 0xFFFFFFFF00000001u), 71);
    EXPECT_EQ(TvApplicationCode(2147483647, 2147483647), 737418239);
    EXPECT_EQ(TvApplicationCode(1, minus(-2147483648LL)), -931731456);

    codes.SetTestView(&view);
    view.format = TDataFormat::Hexadecimal;
    ReceiveTvApplicationCode(codes, 12, 345);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"3039"}));
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
}

} // namespace
