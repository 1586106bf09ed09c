// The serial port on a real device under Wine: a pseudo-terminal linked in as a COM port. Wine
// cannot wait for its communication events, so received bytes come through the event thread's
// reads.

#include "components/serial/win32/PtyPair.h"
#include "components/serial/win32/SerialPort.h"
#include "framework/win32/HandOverSupportTest.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

class SerialPortPty : public test::HandOverFixture {};

std::string Pattern(std::size_t length) {
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i)
        bytes += static_cast<char>(i * 7 % 256);
    return bytes;
}

} // namespace

TEST_F(SerialPortPty, BytesFromTheLinuxEndArriveInOrderThroughTheReceiveEvent) {
    test::TPtyPair pty;
    ASSERT_TRUE(pty.Ready());
    TSerialPort port(nullptr, "ComPort");
    port.SetPort(pty.PortName());
    std::string received;
    int events = 0;
    port.OnRxChar = [&](TObject*, std::int32_t count) {
        std::string chunk;
        EXPECT_EQ(port.ReadStr(chunk, count), count);
        received += chunk;
        ++events;
    };
    // The receiver's events, then the console's: Wine refuses the first mask at once and
    // ends the wait of the second.
    for (TSerialEvents events : {TSerialEvents{TSerialEvent::evRxChar, TSerialEvent::evRLSD},
                                 TSerialEvents{TSerialEvent::evRxChar}}) {
        port.Events = events;
        port.Open();
        received.clear();
        const std::string sent = Pattern(3000);
        ASSERT_TRUE(pty.Send(sent.substr(0, 1000)));
        ASSERT_TRUE(pty.Send(sent.substr(1000)));
        test::PumpUntil([&] { return received.size() >= sent.size(); });
        EXPECT_EQ(received, sent);
        EXPECT_EQ(port.WriteStr("OK\r"), 3);
        EXPECT_EQ(pty.Receive(3), "OK\r");
        port.Close();
    }
    EXPECT_GE(events, 2);
    EXPECT_TRUE(reported.empty());
}

TEST_F(SerialPortPty, ABaudChangeOnTheOpenPortShowsOnTheLinuxEnd) {
    test::TPtyPair pty;
    ASSERT_TRUE(pty.Ready());
    TSerialPort port(nullptr, "ComPort");
    port.SetPort(pty.PortName());
    port.Open();
    EXPECT_EQ(pty.LineSpeed(), "9600");
    port.SetBaudRate(TBaudRate::br19200);
    EXPECT_EQ(pty.LineSpeed(), "19200");
}

TEST_F(SerialPortPty, AMissingPortGivesCodeOneAndItsMessage) {
    TSerialPort port(nullptr, "ComPort");
    port.SetPort("COM253"); // above the numbers the pairs take
    try {
        port.Open();
        FAIL() << "opened";
    } catch (const ESerialPort& e) {
        EXPECT_EQ(e.ErrorCode(), 1);
        EXPECT_EQ(e.WindowsError(), ERROR_FILE_NOT_FOUND);
        EXPECT_STREQ(e.what(), "Unable to open com port (win error code: 2)");
    }
    EXPECT_FALSE(port.Connected());
}
