#include "engine/recognition/CodeReceiver.h"
#include "engine/RecognitionFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct FakeTestView : IOriginTestView {
    bool visible = true;
    TDataFormat format = TDataFormat::Hexadecimal;
    std::vector<std::string> lines;
    bool Visible() const override { return visible; }
    TDataFormat Format() const override { return format; }
    void AddLine(const std::string& line) override { lines.push_back(line); }
};

struct CodeReceiving : ::testing::Test {
    TDocument doc;
    FakePorts fake;
    TRecognizer engine{doc, fake.Ports()};
    FakeTimer endOfCode;
    unsigned interval = 0;
    TCodeReceiver receiver{doc, engine, endOfCode, fake.timer,
                           [this](unsigned ms) { interval = ms; }};
    TCommandNode* vol = doc.AddCommand(doc.AddRemote("TV"), "Vol+");

    CodeReceiving() { Learn(doc, *vol->Data(), {0x1A, 0x2B}); }
    void Bytes(std::initializer_list<std::int32_t> values, TDuringTimeOut during) {
        receiver.ReceiveTimed(
            [&](TReceivedCode& rc) {
                for (std::int32_t v : values)
                    rc.AppendUpTo1000(v);
            },
            during);
    }
};

TEST_F(CodeReceiving, ACodeIsWhatArrivesBeforeTheEndOfCodeTimerRunsOut) {
    EXPECT_EQ(interval, kEndOfCodeMs);
    Bytes({0x1A}, TDuringTimeOut::Discard);
    Bytes({0x2B}, TDuringTimeOut::Discard);
    EXPECT_EQ(endOfCode.starts, 1) << "later data do not restart the timer";
    receiver.EndOfCode();
    EXPECT_FALSE(endOfCode.running);
    EXPECT_EQ(doc.LastFiredCommand, vol->Data());
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    receiver.SetLearning(true);
    EXPECT_EQ(interval, kEndOfCodeLearningMs);
}

TEST_F(CodeReceiving, DuringATimeOutBytesAreDroppedAndATypematicCommandRepeats) {
    Bytes({0x1A, 0x2B}, TDuringTimeOut::Discard);
    receiver.EndOfCode(); // fires; the time-out runs, the command is typematic
    ASSERT_TRUE(fake.timer.running);
    const int fired = static_cast<int>(fake.tree.selections.size());
    Bytes({0x1A}, TDuringTimeOut::Discard); // starts a new code
    Bytes({0x2B}, TDuringTimeOut::Discard); // while it is timed: a repeat
    EXPECT_EQ(static_cast<int>(fake.tree.selections.size()), fired + 1);
    doc.TypematicActive = false;
    doc.ReceivedCode.Empty();
    Bytes({0x1A}, TDuringTimeOut::Discard);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "a plain time-out drops bytes as they come";
    Bytes({0x1A}, TDuringTimeOut::Collect);
    EXPECT_FALSE(doc.ReceivedCode.IsEmpty()) << "pulses are collected and judged at the end";
}

TEST_F(CodeReceiving, TheTestDialogGetsTheCodesInsteadOfTheRecognizer) {
    FakeTestView view;
    receiver.SetTestView(&view);
    Bytes({0x1A, 0x2B}, TDuringTimeOut::Discard);
    receiver.EndOfCode();
    receiver.ReceiveWhole([](TReceivedCode& rc) { rc.Replace(std::vector<std::int32_t>{65}); },
                          [](const TReceivedCode& rc, TDataFormat f) {
                              return "key " + FormatCodeLine(rc.Values(), f);
                          });
    EXPECT_EQ(view.lines, (std::vector<std::string>{"1A 2B ", "key 41 "}));
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    EXPECT_EQ(FormatCodeLine(std::vector<std::int32_t>{79, 75, -1}, TDataFormat::Decimal),
              "79 75 -1 ");
    EXPECT_EQ(FormatCodeLine(std::vector<std::int32_t>{79, 0x14B}, TDataFormat::Ascii), "OK");
    view.visible = false;
    receiver.ReceiveWhole(
        [](TReceivedCode& rc) {
            rc.Replace(std::vector<std::int32_t>{0x1A, 0x2B});
        },
        [](const TReceivedCode&, TDataFormat) { return std::string(); });
    EXPECT_EQ(doc.LastFiredCommand, vol->Data());
}

} // namespace
