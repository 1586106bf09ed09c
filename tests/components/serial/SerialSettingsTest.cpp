#include "components/serial/SerialSettings.h"
#include "components/serial/LineSettings.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tav;

namespace {

// Counts the groups a setter asks to send.
class TCountingPort : public TSerialProperties {
public:
    void ApplyLineSettings() override { ++LineSent; }
    void ApplyTimeouts() override { ++TimeoutsSent; }
    void ApplyBufferSizes() override { ++BuffersSent; }
    int LineSent = 0;
    int TimeoutsSent = 0;
    int BuffersSent = 0;
};

} // namespace

TEST(SerialSettings, AChangedValueSendsItsGroupOnceAndAnUnchangedOneNothing) {
    TCountingPort port;
    port.SetBaudRate(TBaudRate::br9600);
    port.Parity().SetBits(TParityBits::prNone);
    port.Timeouts().SetReadInterval(-1);
    port.Buffer().SetInputSize(1025); // stored as 1024, which it is already
    EXPECT_EQ(port.LineSent + port.TimeoutsSent + port.BuffersSent, 0);

    port.SetBaudRate(TBaudRate::br115200);
    port.Parity().SetCheck(true);
    port.Timeouts().SetWriteTotalConstant(5);
    port.Buffer().SetInputSize(4097);
    EXPECT_EQ(port.LineSent, 2);
    EXPECT_EQ(port.TimeoutsSent, 1);
    EXPECT_EQ(port.BuffersSent, 1);
    EXPECT_EQ(port.Buffer().InputSize(), 4096);

    // Assigning a whole group sends it once; the flow-control summary always sends.
    TSerialTimeouts other;
    other.SetReadTotalConstant(50);
    port.SetTimeouts(other);
    EXPECT_EQ(port.TimeoutsSent, 2);
    EXPECT_EQ(port.Timeouts().ReadTotalConstant(), 50);
    EXPECT_EQ(port.Timeouts().WriteTotalConstant(), 1000);
    port.FlowControl().SetFlowControl(TFlowControl::fcCustom);
    EXPECT_EQ(port.LineSent, 3);
}

TEST(SerialSettings, TheFlowControlSummaryTouchesOnlyItsThreeSwitches) {
    TCountingPort port;
    TSerialFlowControl& flow = port.FlowControl();
    flow.SetOutDSRFlow(true);
    flow.SetControlDTR(TDTRFlowControl::dtrHandshake);
    flow.SetXonChar('A');
    flow.SetFlowControl(TFlowControl::fcHardware);
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcHardware);
    EXPECT_EQ(flow.ControlRTS(), TRTSFlowControl::rtsHandshake);
    flow.SetFlowControl(TFlowControl::fcSoftware);
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcSoftware);
    EXPECT_FALSE(flow.OutCTSFlow());
    flow.SetFlowControl(TFlowControl::fcNone);
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcNone);
    EXPECT_TRUE(flow.OutDSRFlow());
    EXPECT_EQ(flow.ControlDTR(), TDTRFlowControl::dtrHandshake);
    EXPECT_EQ(flow.XonChar(), 'A');
    flow.SetXonXoffIn(true); // one of the pair alone is no summary
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcCustom);
}

TEST(LineSettings, TheDeviceControlBlockFollowsTheSettings) {
    TCountingPort port;
    TCommStateValues s = BuildCommState(port);
    EXPECT_EQ(s.BaudRate, 9600u);
    EXPECT_EQ(s.Flags, comm_flags::kBinary);
    EXPECT_EQ(s.XonLim, 256);
    EXPECT_EQ(s.ByteSize, 8);
    EXPECT_EQ(s.XonChar, 17);
    EXPECT_EQ(s.XoffChar, 19);

    port.SetBaudRate(TBaudRate::brCustom);
    port.SetCustomBaudRate(31250);
    port.SetDataBits(TDataBits::dbSeven);
    port.SetStopBits(TStopBits::sbTwoStopBits);
    port.SetDiscardNull(true);
    port.SetEventChar('\r');
    port.Buffer().SetInputSize(4097);
    port.Parity().SetBits(TParityBits::prEven);
    port.Parity().SetReplace(true);
    port.Parity().SetReplaceChar('?');
    port.FlowControl().SetControlDTR(TDTRFlowControl::dtrEnable);
    port.FlowControl().SetControlRTS(TRTSFlowControl::rtsToggle);
    port.FlowControl().SetXonXoffIn(true);
    s = BuildCommState(port);
    EXPECT_EQ(s.BaudRate, 31250u);
    EXPECT_EQ(s.Flags, 0x0001u | 0x0010 | 0x0200 | 0x0800 | 0x3000);
    EXPECT_EQ(s.XonLim, 1024);
    EXPECT_EQ(s.XoffLim, 1024);
    EXPECT_EQ(s.ByteSize, 7);
    EXPECT_EQ(s.StopBits, 2);
    EXPECT_EQ(s.Parity, 2);
    EXPECT_EQ(s.EvtChar, '\r');
    EXPECT_EQ(s.ErrorChar, 0) << "replacement needs parity checking";

    port.Parity().SetCheck(true);
    s = BuildCommState(port);
    EXPECT_EQ(s.Flags & 0x0402u, 0x0402u);
    EXPECT_EQ(s.ErrorChar, '?');
}

TEST(LineSettings, ValuesTheDeviceCannotTakeAreRangeErrors) {
    TCountingPort port;
    port.Timeouts().SetReadTotalConstant(-1);
    EXPECT_EQ(BuildCommTimeouts(port.Timeouts()).ReadTotalConstant, 0xFFFFFFFFu);
    EXPECT_EQ(BuildCommTimeouts(port.Timeouts()).WriteTotalMultiplier, 100u);
    port.Timeouts().SetReadTotalConstant(-2);
    EXPECT_THROW(BuildCommTimeouts(port.Timeouts()), std::out_of_range);

    port.Buffer().SetOutputSize(-2);
    EXPECT_THROW(BuildQueueSizes(port.Buffer()), std::out_of_range);
    port.Buffer().SetInputSize(4 * 65536);
    EXPECT_THROW(BuildCommState(port), std::out_of_range);
    port.Buffer().SetInputSize(4 * 65535 + 2);
    EXPECT_EQ(BuildCommState(port).XonLim, 65535);

    // Settings cast from stored numbers index no table and spill into no other bit field.
    port.SetBaudRate(static_cast<TBaudRate>(41));
    EXPECT_THROW(BuildCommState(port), std::out_of_range);
    port.SetBaudRate(TBaudRate::br256000);
    EXPECT_EQ(BuildCommState(port).BaudRate, 256000u);
    TCountingPort dataBits, stopBits, parity, dtr, rts;
    dataBits.SetDataBits(static_cast<TDataBits>(4));
    stopBits.SetStopBits(static_cast<TStopBits>(-1));
    parity.Parity().SetBits(static_cast<TParityBits>(5));
    dtr.FlowControl().SetControlDTR(static_cast<TDTRFlowControl>(3));
    rts.FlowControl().SetControlRTS(static_cast<TRTSFlowControl>(4));
    for (const TCountingPort* bad : {&dataBits, &stopBits, &parity, &dtr, &rts})
        EXPECT_THROW(BuildCommState(*bad), std::out_of_range);
}

TEST(LineSettings, AnOperationRunsAsLongAsTheTimeoutsLetTheDevice) {
    TCountingPort port;
    EXPECT_EQ(OperationTimeLimitMs(port, true, 10), 100u * 10 + 1000);
    EXPECT_EQ(OperationTimeLimitMs(port, false, 10), 0u) << "a read takes what is there";
    port.Timeouts().SetReadTotalMultiplier(-1);
    port.Timeouts().SetReadTotalConstant(250);
    EXPECT_EQ(OperationTimeLimitMs(port, false, 10), 250u) << "a read that waits for one byte";

    // No time-out ends it: the bytes' time on the line, at 12 bits a byte.
    port.Timeouts().SetWriteTotalMultiplier(0);
    port.Timeouts().SetWriteTotalConstant(0);
    EXPECT_EQ(OperationTimeLimitMs(port, true, 960), 1200u);
    port.Timeouts().SetReadInterval(0);
    port.Timeouts().SetReadTotalMultiplier(0);
    port.Timeouts().SetReadTotalConstant(0);
    EXPECT_EQ(OperationTimeLimitMs(port, false, 960), 1200u);
    port.SetBaudRate(TBaudRate::brCustom);
    port.SetCustomBaudRate(0);
    EXPECT_EQ(OperationTimeLimitMs(port, false, 11), 1200u) << "a rate of 0 counts as 110";
    port.Timeouts().SetWriteTotalMultiplier(-1);
    EXPECT_EQ(OperationTimeLimitMs(port, true, 0xFFFFFFFF), 0xFFFFFFFFull * 0xFFFFFFFF);
}
