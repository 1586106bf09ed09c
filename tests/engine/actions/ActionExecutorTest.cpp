#include "engine/actions/ActionFakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

using namespace tav;
using namespace tav::testing;

namespace {

struct Executor : ::testing::Test {
    FakeActionWorld w;
    std::unique_ptr<TActionExecutor> executor =
        std::make_unique<TActionExecutor>(w.settings, w.Ports());

    std::optional<unsigned> Run(const std::string& s) { return executor->ExecuteAction(s); }
    // The events of one action.
    Events Plan(const std::string& s) {
        w.log.clear();
        Run(s);
        Events plan;
        plan.swap(w.log);
        return plan;
    }
    void Advanced(bool on) { w.settings.SetBool("Advanced keypress", on); }
};

std::string Tap(const std::string& flagsAndKey, const std::string& dest = "", char keep = 'N') {
    return "\xA1SendKeys\xA1" + flagsAndKey + "Delay:250DestWnd:" + dest + "KeepActive:" + keep;
}

} // namespace

TEST_F(Executor, TheKeySenderGetsModifiersAroundTheKeyAndTypedCharactersStayCharacters) {
    Advanced(true);
    EXPECT_EQ(Plan(Tap("ACLNa")), (Events{"key 5B down", "sendkeys FE FC 61 FF FD", "key 5B up"}));
    EXPECT_EQ(Plan(Tap("NNSE15")), (Events{"sendkeys FA E4 FB"})) << "system key 15 is F1";
    EXPECT_EQ(Plan(Tap("NCNNx\xE4y")), (Events{"sendkeys FC 78 FD", "key 11 down", "char E4",
                                               "key 11 up", "sendkeys FC 79 FD"}))
        << "an a-umlaut is typed, not taken for F1";
    EXPECT_EQ(Run(Tap("NNNNq")), 251u);
}

TEST_F(Executor, TheSimplePathHoldsOnlyTheFirstModifierAndPressesKeysOneByOne) {
    Advanced(false);
    EXPECT_EQ(Plan(Tap("ACNNa1 B!")),
              (Events{"key 12 down", "key 41 down", "key 41 up", "key 61 down", "key 61 up",
                      "key 20 down", "key 20 up", "key 42 down", "key 42 up", "key 12 up"}));
    Advanced(true);
    EXPECT_EQ(Plan(Tap("NNLE37")), (Events{"key 5B down", "key 6A down", "key 6A up", "key 5B up"}))
        << "keys without a key-sender code take the simple path";
}

TEST_F(Executor, ALatchedKeyStaysDownUntilItsNextUseOrTheEnd) {
    EXPECT_EQ(Plan(Tap("NNNE50")), Events{"key 12 down"});
    EXPECT_EQ(Plan(Tap("NNNE50")), Events{"key 12 up"}) << "the second use lets Alt go";
    Plan(Tap("NNNE50"));
    executor->ClearAltLatch();
    EXPECT_EQ(Plan(Tap("NNNE50")), Events{"key 12 down"}) << "after Run! Alt is pressed anew";
    executor->ClearAltLatch();
    Plan(Tap("NNNE52"));
    Plan(Tap("NNNE51"));
    w.log.clear();
    executor.reset();
    EXPECT_EQ(w.log, (Events{"key A5 up", "key 11 up"}));
}

TEST_F(Executor, NoKeyStaysHeldWhenAnActionFails) {
    Advanced(false);
    EXPECT_THROW(Run(Tap("ANNE54")), EActionError);
    EXPECT_THROW(Run(Tap("ANNEx")), EActionError);
    EXPECT_THROW(Run("\xA1SendKeys\xA1NNNNaDelay:soonDestWnd:KeepActive:N"), EActionError);
    EXPECT_TRUE(w.log.empty()) << "nothing is pressed for a string that cannot run";

    w.failAtKey = 3;
    EXPECT_THROW(Run(Tap("ANNNab")), std::runtime_error);
    EXPECT_EQ(w.log, (Events{"key 12 down", "key 41 down", "key 41 up", "key 12 up"}))
        << "the key whose release failed and the modifier go up";

    Advanced(true);
    w.failAtKey = 0;
    w.keySenderFails = true;
    w.log.clear();
    EXPECT_THROW(Run(Tap("NNLNa")), std::runtime_error);
    EXPECT_EQ(w.log, (Events{"key 5B down", "sendkeys 61", "key 5B up"}));
}

TEST_F(Executor, KeysGoToTheNamedWindowAndTheFormerOneComesBack) {
    w.foreground = 7;
    w.windows = {{3, "Media Player", "WMPlayerApp"}};
    w.titles["Media Player"] = 30;
    EXPECT_EQ(Plan(Tap("NNNNp", "Nothing, WMPlayer")),
              (Events{"front 30", "sendkeys 70", "front 7"}));
    EXPECT_EQ(Plan(Tap("NNNNp", "Media", 'Y')), (Events{"front 30", "sendkeys 70"}));
    EXPECT_EQ(Run(Tap("NNNNp", "Radio")), std::nullopt) << "no window: the wait stays";
    EXPECT_TRUE(w.log.empty());
}

TEST_F(Executor, PostMessageNamesAWindowsOrAUserMessage) {
    const std::string p = "\xA1PostMessage\xA1";
    w.foreground = 5;
    w.windows = {{4, "Player", "PlayerClass"}};
    w.titles["Player"] = 40;
    w.userMessages = {"Next=WM_USER,1,2", "Odd=80000000,0,0"};
    EXPECT_EQ(Plan(p + "WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N"),
              Events{"post 5 10 0 0"})
        << "no destination: the window in front";
    EXPECT_EQ(Plan(p + "NextwParam:1AlParam:FFFFFFFFDelay:0DestWnd:x, PlayerKeepActive:N"),
              Events{"post 40 400 26 -1"});
    EXPECT_EQ(Run(p + "WM_NOSUCHwParam:0lParam:0Delay:0DestWnd:KeepActive:N"), std::nullopt);
    EXPECT_THROW(Run(p + "OddwParam:0lParam:0Delay:0DestWnd:KeepActive:N"), EActionError);
    EXPECT_TRUE(w.log.empty()) << "nothing posted for the unknown or too large one";
}

TEST_F(Executor, AProgramStartsInItsOwnProcessADocumentThroughTheShell) {
    const std::string e = "\xA1"
                          "ExecuteProgram\xA1Try:";
    EXPECT_EQ(
        Plan(e + "Filename:C:\\Program Files\\v.exeParams:/fSuspend:YDelay:0"),
        (Events{"origins close", "start \"C:\\Program Files\\v.exe\" /f (wait)", "origins open"}));
    EXPECT_EQ(Plan(e + "Filename:C:\\my.dir\\toolParams:-xSuspend:YDelay:0"),
              (Events{"origins close", "shell C:\\my.dir\\tool | -x", "origins open"}))
        << "nothing to wait for: the origins open again at once";
    w.windows = {{9, "Viewer - a.png", "ViewerFrame"}};
    w.titles["Viewer - a.png"] = 90;
    EXPECT_EQ(
        Plan("\xA1"
             "ExecuteProgram\xA1Try:Viewer, ViewerFrameFilename:v.exeParams:Suspend:NDelay:0"),
        Events{"front 90"});
}

TEST_F(Executor, VolumeStepsAndMuteChangeOnlyWhatTheLineHas) {
    const auto mix = [](const std::string& vol, const std::string& inc) {
        return "\xA1Mixer\xA1"
               "1D:0C:2Vol:" +
               vol + "Inc:" + inc + "Delay:0";
    };
    w.line = {60000, 60000, 0};
    EXPECT_EQ(Plan(mix("0", "10")), (Events{"mixer 1", "volume 0 1 65535 -1 -1"}));
    EXPECT_EQ(w.suffix, "(100%)");
    w.line = {3000, 3000, 1};
    EXPECT_EQ(Plan(mix("1", "5")), (Events{"mixer 1", "volume 0 1 0 -1 -1"}));
    EXPECT_EQ(w.suffix, "(0%)");
    EXPECT_EQ(Plan(mix("3", "5")), (Events{"mixer 1", "volume 0 1 -1 -1 0"}));
    EXPECT_EQ(w.suffix, "OFF");

    w.suffix = "kept";
    w.line = {-1, -1, -1};
    EXPECT_EQ(Plan(mix("3", "5")), Events{"mixer 1"}) << "an unknown mute state is not toggled";
    EXPECT_EQ(Plan(mix("0", "5")), Events{"mixer 1"}) << "an unknown volume is not written";
    w.lineExists = false;
    EXPECT_EQ(Plan(mix("1", "5")), Events{"mixer 1"});
    EXPECT_EQ(w.suffix, "kept");
}

TEST_F(Executor, SendDataUsesTheReceiverPortOnlyWhileItIsOpen) {
    const std::string d = "\xA1SendData\xA1Stream:";
    auto& s = w.settings;
    for (const char* name : {"Output data Serial parity", "Output data Serial stopbits"})
        s.SetInt(name, 0);
    s.SetInt("Output data Serial databits", 3);
    s.SetInt("Output data Serial speed", 6);
    s.SetBool("Output data Serial DTR", true);
    s.SetBool("Output data Serial RTS", false);
    s.SetInt("Serial port", 2);
    s.SetInt("Output data serial port", 2);
    w.receiverPort.connected = true;
    EXPECT_EQ(Plan(d + "0D0ADelay:500"), Events{"receiver write 0D 0A"});
    EXPECT_EQ(Run(d + "0D0ADelay:500"), std::nullopt) << "the wait stays";

    w.receiverPort.connected = false;
    EXPECT_EQ(Plan(d + "414Delay:0"), (Events{"data open COM2 6 0 3 0", "data dtr on",
                                              "data rts off", "data write 41 04", "data close"}))
        << "the receiver's port is not kept from its origin";

    s.SetInt("Output data serial port", 3);
    Plan(d + "01Delay:0");
    EXPECT_EQ(Plan(d + "02Delay:0"), (Events{"data dtr on", "data rts off", "data write 02"}));
    s.SetInt("Output data Serial parity", 2);
    EXPECT_EQ(Plan(d + "03Delay:0"), (Events{"data close", "data open COM3 6 2 3 0", "data dtr on",
                                             "data rts off", "data write 03"}))
        << "changed settings reach the open port";

    w.dataPort.connected = false;
    w.dataPort.opens = false;
    EXPECT_EQ(Plan(d + "04Delay:0"), (Events{"data open COM3 6 2 3 0", "beep"}));

    // An output port outside the list counts as COM1, which is the receiver's here.
    s.SetInt("Serial port", 1);
    s.SetInt("Output data serial port", 0);
    w.receiverPort.connected = true;
    EXPECT_EQ(Plan(d + "05Delay:0"), Events{"receiver write 05"});
}

TEST_F(Executor, AFileGoesOutInBlocksWithTheMessagesHandledBetween) {
    w.receiverPort.connected = true;
    w.settings.SetInt("Output data serial port", 1);
    const std::string path = ::testing::TempDir() + "send-data.bin";
    std::ofstream(path, std::ios::binary) << std::string(2048 + 3, 'A');
    const std::string action = "\xA1SendData\xA1"
                               "File:" +
                               path + "Delay:0";
    const Events plan = Plan(action);
    std::remove(path.c_str());
    ASSERT_EQ(plan.size(), 6u);
    EXPECT_EQ(plan[0].size(), std::string("receiver write").size() + 3 * 1024);
    EXPECT_EQ(plan[1], "messages");
    EXPECT_EQ(plan[4], "receiver write 41 41 41");
    EXPECT_EQ(Plan(action), Events{}) << "a missing file sends nothing";
}

TEST_F(Executor, MousePowerWindowStateAndOnScreenText) {
    const std::string m = "\xA1MouseControl\xA1";
    EXPECT_EQ(Plan(m + "Click:2YDelay:0"),
              (Events{"mouse 08 0 0", "mouse 10 0 0", "mouse 08 0 0", "mouse 10 0 0"}));
    EXPECT_EQ(Plan(m + "RelMove:6Accel:3Delay:0"),
              (Events{"mouse 01 -3 3", "mouse 01 -2 2", "mouse 01 -1 1"}));
    EXPECT_EQ(Plan(m + "RelMove:0Accel:0Delay:0"), Events{});
    EXPECT_LE(Plan(m + "RelMove:4Accel:2000000000Delay:0").size(), 100u)
        << "a huge acceleration must not run for minutes";
    EXPECT_EQ(Plan(m + "AbsMove:X640Y480Delay:0"), Events{"cursor 640 480"});

    const std::string shutdown = "\xA1Shutdown\xA1";
    Events power;
    for (char code : std::string("012345"))
        for (const std::string& e : Plan(shutdown + code + "Delay:0"))
            power.push_back(e);
    EXPECT_EQ(power, (Events{"exit 0", "exit 2", "exit 9", "suspend", "hibernate"}));

    w.foreground = 6;
    EXPECT_EQ(Plan("\xA1WindowState\xA1"
                   "0Delay:0"),
              Events{"minimize 6"});
    EXPECT_EQ(Plan("\xA1WindowState\xA1"
                   "3Delay:0"),
              Events{"post 6 10 0 0"})
        << "closing asks the window";

    EXPECT_EQ(Plan("\xA1OSD\xA1"
                   "Current timeDelay:0"),
              Events{"osd 12:34:56"});
    EXPECT_EQ(w.suffix, "12:34:56");
    EXPECT_EQ(Plan("\xA1OSD\xA1"
                   "HelloDelay:0"),
              Events{"osd Hello"});
}
