#include "engine/serial/SerialReceiver.h"
#include "engine/serial/SerialFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct SerialReceiving : ::testing::Test, SerialOriginWorld {
    TDeviceModes modes;
    FakeTimer startUp;
    unsigned startUpInterval = 0;
    FakeCounter counter;
    std::vector<bool> driver; // the driver receiver's calls
    FakeErrors errors;
    TSerialReceiver receiver{{settings, modes, codes, port, startUp,
                              [this](unsigned ms) { startUpInterval = ms; }, counter, host,
                              boxes.Fn(),
                              [this](bool active) {
                                  driver.push_back(active);
                                  return true;
                              },
                              errors}};

    // Runs the start-up timer until it stops, the devices answering as they are set up to.
    void RunStartUp() {
        for (int tick = 0; tick < 200 && startUp.running; ++tick) {
            receiver.UIRTimerTimer();
            if (const std::string answer = port.TakeAnswer(settings.Str("Serial init string"));
                !answer.empty())
                receiver.ComPortRxChar(answer);
        }
    }
    std::vector<std::int32_t> Buffer() const {
        const auto values = doc.ReceivedCode.Values();
        return {values.begin(), values.end()};
    }
    int Firings() const { return static_cast<int>(fake.tree.selections.size()); }
};

TEST_F(SerialReceiving, DataCountOnceTheInitStringIsOutPackedIntoValuesOfTheirSize) {
    settings.SetBool("Serial RTS", false);
    settings.SetInt("Value size", 2);
    ASSERT_TRUE(receiver.OpenSerialReceiver(true));
    EXPECT_EQ(port.log, (std::vector<std::string>{"open 1", "DTR-", "RTS-"}));
    receiver.UIRTimerTimer();
    EXPECT_EQ(port.log.back(), "DTR+") << "RTS stays low as stored";
    receiver.UIRTimerTimer();
    EXPECT_EQ(port.written, "I");
    receiver.UIRTimerTimer();
    EXPECT_EQ(port.written, "IR");
    receiver.ComPortRxChar("\x12\x34");
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "nothing counts before the init string is out";
    receiver.UIRTimerTimer();
    EXPECT_FALSE(startUp.running);
    EXPECT_FALSE(host.busy);

    receiver.ComPortRxChar("\x12\x34\x56");
    receiver.ComPortRxChar("\x78\x9A");
    EXPECT_EQ(Buffer(), (std::vector<std::int32_t>{0x1234, 0x5678}));
    receiver.IRTimerTimer();
    receiver.ComPortRxChar("\xBC\xDE");
    EXPECT_EQ(Buffer(), (std::vector<std::int32_t>{0xBCDE})) << "the odd byte ended with its code";
}

TEST_F(SerialReceiving, StoredLineValuesOutsideTheirListsOpenWithTheDefaults) {
    settings.SetInt("Serial port", 0);
    settings.SetInt("Serial speed", 40);
    settings.SetInt("Serial parity", 5);
    settings.SetInt("Serial databits", -1);
    settings.SetInt("Serial stopbits", 3);
    ASSERT_TRUE(receiver.OpenSerialReceiver(true));
    EXPECT_EQ(port.line, TSerialLine{});
}

TEST_F(SerialReceiving, AnInitStringThatCannotBeWrittenEndsTheStartUpOnce) {
    port.refusesWrites = {1};
    ASSERT_TRUE(receiver.OpenSerialReceiver(true));
    RunStartUp();
    EXPECT_EQ(errors.shown, std::vector<std::string>{"WriteFile function failed"});
    EXPECT_FALSE(host.busy);
    receiver.ComPortRxChar("\x2A");
    EXPECT_EQ(Buffer(), std::vector<std::int32_t>{0x2A}) << "the port takes what comes";

    // A search takes such a port for one without a receiver.
    receiver.OpenSerialReceiver(false);
    port.present = {1, 2};
    port.answers = {{2, "OK"}};
    boxes.script = {kIdYes};
    receiver.FindUIRPort(1);
    RunStartUp();
    EXPECT_EQ(errors.shown.size(), 2u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].Text.substr(0, 21), "Device found in COM2.");
    EXPECT_FALSE(receiver.Searching());
    EXPECT_FALSE(host.busy);
}

TEST_F(SerialReceiving, AHeldKeyRepeatsOnlyATypematicCommand) {
    TCommandNode* remote = doc.AddRemote("TV");
    Learn(doc, *doc.AddCommand(remote, "Vol+")->Data(), {0x1A});
    TCommandNode* power = doc.AddCommand(remote, "Power");
    Learn(doc, *power->Data(), {0x2B});
    doc.SetTypematic(power, false);
    receiver.OpenSerialReceiver(true);
    RunStartUp();

    receiver.ComPortRxChar("\x1A");
    receiver.IRTimerTimer();
    ASSERT_EQ(Firings(), 1);
    receiver.ComPortRxChar("\x1A"); // a new code of the held key...
    receiver.ComPortRxChar("\x1A"); // ...repeats while it is collected
    receiver.IRTimerTimer();        // and ends inside the time-out
    engine.TypematicTimerTimer();
    EXPECT_EQ(Firings(), 2);

    receiver.ComPortRxChar("\x2B");
    receiver.IRTimerTimer();
    ASSERT_EQ(Firings(), 3);
    receiver.ComPortRxChar("\x2B");
    receiver.ComPortRxChar("\x2B");
    EXPECT_EQ(Firings(), 3);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "dropped while the time-out runs";
}

TEST_F(SerialReceiving, CarrierDetectEdgesBecomeTheTimeBetweenThem) {
    counter.now = 5'000'000;
    receiver.ComPortRLSDChange(true);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "the first edge ever only starts the clock";
    EXPECT_TRUE(endOfCode.running);
    EXPECT_TRUE(host.highPriority);
    counter.now += 15'000'000; // 1.5 s
    receiver.ComPortRLSDChange(true);
    receiver.ComPortRLSDChange(false);
    counter.now += 4'321;
    receiver.ComPortRLSDChange(true);
    EXPECT_EQ(Buffer(), (std::vector<std::int32_t>{500000, 432}));
    receiver.IRTimerTimer();
    EXPECT_FALSE(host.highPriority);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    for (int edge = 0; edge < 1100; ++edge) {
        counter.now += 10'000;
        receiver.ComPortRLSDChange(true);
    }
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 999) << "a noisy line stays within the buffer";
    EXPECT_EQ(FractionMicroseconds(123, 0), 0) << "no counter, no division";
    EXPECT_EQ(FractionMicroseconds(3'000'000'000'000'000'000, 9'000'000'000'000'000'000), 333333);
}

TEST_F(SerialReceiving, TheReceiverClosesTheWayItWasOpened) {
    modes.Receiver = kModeFixedLine;
    receiver.OpenSerialReceiver(true);
    modes.Receiver = kModeDriver;
    EXPECT_TRUE(receiver.OpenSerialReceiver(false));
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(driver.empty());
    EXPECT_FALSE(startUp.running) << "a start-up cut short stops";
    EXPECT_FALSE(host.busy);

    receiver.OpenSerialReceiver(true);
    EXPECT_EQ(driver, (std::vector<bool>{true}));
    modes.Receiver = kModeGeneric;
    receiver.OpenSerialReceiver(true);
    EXPECT_EQ(driver, (std::vector<bool>{true, false})) << "the driver goes before the port opens";
    EXPECT_TRUE(port.Connected());
    modes.Receiver = kModeDriver;
    receiver.OpenSerialReceiver(true);
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(driver, (std::vector<bool>{true, false, true}));
}

TEST_F(SerialReceiving, TheSearchFindsAReceiverThatAnswersOkToItsWholeInitString) {
    port.present = {2, 3};
    port.answers = {{3, "OK"}};
    settings.SetStr("Serial init string", "IRX");
    settings.SetInt("Value size", 2); // "OK" is judged as bytes, not as one value
    boxes.script = {kIdYes};
    std::vector<std::int32_t> found;
    receiver.OnPortFound = [&](std::int32_t com) { found.push_back(com); };
    EXPECT_TRUE(receiver.FindUIRPort(1));
    EXPECT_TRUE(receiver.Searching());
    RunStartUp();
    EXPECT_EQ(port.log[0], "open 1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].Text.substr(0, 23), "Device found in COM3.\r\r");
    EXPECT_EQ(boxes.shown[0].Flags, kMbYesNoCancel | kMbIconInformation);
    EXPECT_EQ(port.open, 3);
    EXPECT_EQ(port.written, "IRX");
    EXPECT_FALSE(receiver.Searching());
    EXPECT_EQ(settings.Int("Serial port"), 3);
    EXPECT_EQ(found, (std::vector<std::int32_t>{3}));
    EXPECT_EQ(host.beeps, 0) << "ports that do not open are skipped silently";
    receiver.ComPortRxChar("OK");
    EXPECT_EQ(Buffer(), (std::vector<std::int32_t>{0x4F4B})) << "the receiver now runs there";
}

TEST_F(SerialReceiving, CancelGivesTheRunningReceiverBackItsPort) {
    port.present = {1, 2};
    port.answers = {{2, "OK"}};
    receiver.OpenSerialReceiver(true);
    RunStartUp();
    boxes.script = {kIdCancel};
    receiver.FindUIRPort(2);
    EXPECT_EQ(port.log[5], "close") << "the receiver gives up its port before the probe";
    EXPECT_EQ(port.log[6], "open 2");
    RunStartUp();
    EXPECT_FALSE(receiver.Searching());
    EXPECT_EQ(port.open, 1);
    EXPECT_EQ(settings.Int("Serial port"), 1);
    EXPECT_FALSE(store.Has("Serial port"));
}

TEST_F(SerialReceiving, NoAndNothingElseFoundEndTheSearchWithTheProbeClosed) {
    port.present = {2};
    port.answers = {{2, "OK"}};
    boxes.script = {kIdNo, kIdNo};
    receiver.FindUIRPort(1);
    RunStartUp();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].Flags, kMbYesNo | kMbIconExclamation) << "search again?";
    EXPECT_FALSE(receiver.Searching());
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(settings.Int("Serial port"), 1);

    port.present = {8};
    receiver.FindUIRPort(8);
    RunStartUp();
    EXPECT_EQ(boxes.shown.back().Text, "Can't find the device in any of the serial ports");
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(receiver.Searching());
}

TEST_F(SerialReceiving, AStoppedSearchClosesItsProbeAndTellsOfNoPort) {
    port.present = {2};
    port.answers = {{2, "OK"}};
    bool told = false;
    receiver.OnPortFound = [&](std::int32_t) { told = true; };
    receiver.FindUIRPort(1);
    EXPECT_TRUE(port.Connected());
    receiver.StopSearch();
    EXPECT_FALSE(receiver.Searching());
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(startUp.running) << "no start-up step reaches a closed probe";
    receiver.StopSearch(); // nothing left to stop
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(told);
}

} // namespace
