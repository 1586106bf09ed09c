#include "components/serial/SerialStore.h"

#include "components/ini/BufferedIniFile.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

class TPlainPort : public TSerialProperties {
public:
    void ApplyLineSettings() override { ++Applied; }
    void ApplyTimeouts() override { ++Applied; }
    void ApplyBufferSizes() override { ++Applied; }
    int Applied = 0;
};

const TStoredGroups kAllGroups = {TStoredGroup::sgBasic,    TStoredGroup::sgOther,
                                  TStoredGroup::sgParity,   TStoredGroup::sgBuffer,
                                  TStoredGroup::sgTimeouts, TStoredGroup::sgFlowControl};

void LoadFrom(const std::string& text, TSerialProperties& port) {
    TBufferedIniFile ini;
    ini.LoadFromText(text);
    TIniSerialStore store(ini, "ComPort");
    LoadSerialSettings(port, store);
}

} // namespace

TEST(SerialStore, EveryGroupComesBackAsItWasWritten) {
    TPlainPort source;
    source.StoredGroups = kAllGroups;
    source.SetPort("COM12");
    source.SetBaudRate(TBaudRate::brCustom);
    source.SetCustomBaudRate(31250);
    source.SetStopBits(TStopBits::sbOne5StopBits);
    source.SetDataBits(TDataBits::dbSix);
    source.Parity().SetBits(TParityBits::prMark);
    source.SetEventChar('\r');
    source.SetDiscardNull(true);
    source.Parity().SetCheck(true);
    source.Parity().SetReplaceChar('\xA1');
    source.Buffer().SetOutputSize(2048);
    source.Timeouts().SetReadInterval(20);
    source.Timeouts().SetWriteTotalMultiplier(-1);
    source.FlowControl().SetControlRTS(TRTSFlowControl::rtsToggle);
    source.FlowControl().SetControlDTR(TDTRFlowControl::dtrEnable);
    source.FlowControl().SetTxContinueOnXoff(true);
    source.FlowControl().SetXoffChar(' ');

    TBufferedIniFile ini;
    TIniSerialStore store(ini, "ComPort");
    SaveSerialSettings(source, store);
    EXPECT_EQ(ini.ReadString("ComPort", "BaudRate", ""), "Custom");
    EXPECT_EQ(ini.ReadString("ComPort", "StopBits", ""), "1.5");
    EXPECT_EQ(ini.ReadString("ComPort", "FlowControl", ""), "Custom");
    EXPECT_EQ(ini.ReadString("ComPort", "EventChar", ""), "#13");
    EXPECT_EQ(ini.ReadString("ComPort", "Parity.ReplaceChar", ""), "#161");
    EXPECT_EQ(ini.ReadString("ComPort", "FlowControl.XoffChar", ""), "#32");
    EXPECT_EQ(ini.ReadString("ComPort", "DiscardNull", ""), "Yes");
    EXPECT_EQ(ini.ReadString("ComPort", "FlowControl.ControlRTS", ""), "Toggle");

    TPlainPort target;
    target.StoredGroups = kAllGroups;
    LoadSerialSettings(target, store);
    TBufferedIniFile again;
    TIniSerialStore againStore(again, "ComPort");
    SaveSerialSettings(target, againStore);
    IniLines first, second;
    ini.ReadSectionValues("ComPort", first);
    again.ReadSectionValues("ComPort", second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(target.Parity().ReplaceChar(), '\xA1');
    EXPECT_EQ(target.Timeouts().WriteTotalMultiplier(), -1);
}

TEST(SerialStore, ReadingForgivesBadTextAndKeepsWhatIsAbsent) {
    TPlainPort port;
    port.StoredGroups = {TStoredGroup::sgBasic, TStoredGroup::sgOther};
    port.SetBaudRate(TBaudRate::br115200);
    port.SetPort("COM3");
    port.FlowControl().SetFlowControl(TFlowControl::fcHardware);
    port.Timeouts().SetReadInterval(7);
    port.Applied = 0;
    LoadFrom("[ComPort]\nBaudRate=12345\nStopBits=2\nDataBits=seven\nParity=eVeN\n"
             "FlowControl=sideways\nDiscardNull=yes\nEventChar=#300\n"
             "Timeouts.ReadInterval=99\n",
             port);
    EXPECT_EQ(port.Port(), "COM3") << "absent";
    EXPECT_EQ(port.BaudRate(), TBaudRate::br9600);
    EXPECT_EQ(port.StopBits(), TStopBits::sbTwoStopBits);
    EXPECT_EQ(port.DataBits(), TDataBits::dbEight);
    EXPECT_EQ(port.Parity().Bits(), TParityBits::prEven);
    EXPECT_EQ(port.FlowControl().FlowControl(), TFlowControl::fcHardware) << "unknown: custom";
    EXPECT_TRUE(port.DiscardNull());
    EXPECT_EQ(port.EventChar(), 44) << "the low eight bits";
    EXPECT_EQ(port.Timeouts().ReadInterval(), 7) << "its group is not stored";
    EXPECT_GT(port.Applied, 0) << "loaded values go through the setters";

    const std::pair<const char*, char> chars[] = {
        {"", 0}, {"#", '#'}, {"#1a", 0}, {"#$41", 'A'}, {"Zebra", 'Z'}};
    for (const auto& [text, expected] : chars) {
        LoadFrom(std::string("[ComPort]\nEventChar=") + text + "\n", port);
        EXPECT_EQ(port.EventChar(), expected) << text;
    }
}
