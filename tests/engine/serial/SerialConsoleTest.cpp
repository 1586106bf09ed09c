#include "engine/serial/SerialConsole.h"
#include "engine/serial/SerialFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct SerialConsole : ::testing::Test, SerialOriginWorld {
    TSerialConsole console{settings, codes, port, host, boxes.Fn()};
};

TEST_F(SerialConsole, ACodeEndsAtACarriageReturnOrWhenTheBufferIsFull) {
    settings.SetBool("Serial2 DTR", false);
    settings.SetInt("Serial2 port", 2);
    port.present = {2};
    ASSERT_TRUE(console.OpenSerialConsole(true));
    EXPECT_EQ(port.log, (std::vector<std::string>{"open 2", "DTR+", "RTS+"}));
    Learn(doc, *doc.AddCommand(doc.AddRemote("Console"), "Play")->Data(), {'A', 'B', '\r'});

    console.ComPort2RxChar("AB");
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 1) << "no end yet";
    console.ComPort2RxChar("\r");
    EXPECT_NE(doc.LastFiredCommand, nullptr);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());

    console.ComPort2RxChar(std::string(1200, 'x'));
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty()) << "a full buffer is a code, not a stall";
    console.ComPort2RxChar("y");
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 0);
}

TEST_F(SerialConsole, APortThatDoesNotOpenIsReportedWithABeep) {
    settings.SetInt("Serial2 port", 5);
    EXPECT_FALSE(console.OpenSerialConsole(true));
    EXPECT_EQ(host.beeps, 1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].Text + "/" + boxes.shown[0].Caption,
              "Cannot open serial port COM5/Initialization result");
}

} // namespace
