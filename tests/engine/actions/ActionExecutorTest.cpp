#include "engine/actions/ActionFakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

using namespace tav;
using namespace tav::testing;

namespace {

using Events = std::vector<std::string>;

struct Executor : ::testing::Test {
    FakeActionWorld world;
    std::unique_ptr<TActionExecutor> executor =
        std::make_unique<TActionExecutor>(world.settings, world.Ports());

    std::optional<unsigned> Run(const std::string& s) { return executor->ExecuteAction(s); }
    // The events of one action, taken out of the log.
    Events Plan(const std::string& s) {
        world.log.events.clear();
        Run(s);
        Events plan;
        plan.swap(world.log.events);
        return plan;
    }
    void Advanced(bool on) { world.settings.SetBool("Advanced keypress", on); }
};

const std::string kKeys = "\xA1SendKeys\xA1";
std::string Tap(const std::string& flagsAndKey, const std::string& dest = "", char keep = 'N') {
    return kKeys + flagsAndKey + "Delay:250DestWnd:" + dest + "KeepActive:" + keep;
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
    Plan(Tap("NNNE52"));
    Plan(Tap("NNNE51"));
    world.log.events.clear();
    executor.reset();
    EXPECT_EQ(world.log.events, (Events{"key A5 up", "key 11 up"}));
}

TEST_F(Executor, NoKeyStaysHeldWhenAnActionFails) {
    Advanced(false);
    EXPECT_THROW(Run(Tap("ANNE54")), EActionError);
    EXPECT_THROW(Run(Tap("ANNEx")), EActionError);
    EXPECT_THROW(Run(kKeys + "NNNNaDelay:soonDestWnd:KeepActive:N"), EActionError);
    EXPECT_TRUE(world.log.events.empty()) << "nothing is pressed for a string that cannot run";

    world.input.failAtKey = 3;
    EXPECT_THROW(Run(Tap("ANNNab")), std::runtime_error);
    EXPECT_EQ(world.log.events, (Events{"key 12 down", "key 41 down", "key 41 up", "key 12 up"}))
        << "the key whose release failed and the modifier go up";

    Advanced(true);
    world.input.failAtKey = 0;
    world.keys.fail = true;
    world.log.events.clear();
    EXPECT_THROW(Run(Tap("NNLNa")), std::runtime_error);
    EXPECT_EQ(world.log.events, (Events{"key 5B down", "sendkeys 61", "key 5B up"}));
}

TEST_F(Executor, KeysGoToTheNamedWindowAndTheFormerOneComesBack) {
    world.windows.foreground = 7;
    world.windows.windows = {{3, "Media Player", "WMPlayerApp"}};
    world.keys.titles["Media Player"] = 30;
    Advanced(true);
    EXPECT_EQ(Plan(Tap("NNNNp", "Nothing, WMPlayer")),
              (Events{"front 30", "sendkeys 70", "front 7"}));
    EXPECT_EQ(Plan(Tap("NNNNp", "Media", 'Y')), (Events{"front 30", "sendkeys 70"}));
    EXPECT_EQ(Run(Tap("NNNNp", "Radio")), std::nullopt) << "no window: the wait stays";
    EXPECT_EQ(Plan(Tap("NNNNp", "Radio")), Events{});
}

TEST_F(Executor, MouseClicksAndMovesAddUp) {
    const std::string m = "\xA1MouseControl\xA1";
    EXPECT_EQ(Plan(m + "Click:2YDelay:0"),
              (Events{"mouse 08 0 0", "mouse 10 0 0", "mouse 08 0 0", "mouse 10 0 0"}));
    EXPECT_EQ(Plan(m + "Click:7NDelay:0"), Events{"mouse 08 0 0"});
    EXPECT_EQ(Plan(m + "RelMove:6Accel:3Delay:0"),
              (Events{"mouse 01 -3 3", "mouse 01 -2 2", "mouse 01 -1 1"}));
    EXPECT_EQ(Plan(m + "RelMove:0Accel:0Delay:0"), Events{});
    const Events far = Plan(m + "RelMove:4Accel:2000000000Delay:0");
    EXPECT_LE(far.size(), 100u) << "a huge acceleration must not run for minutes";
    EXPECT_EQ(Plan(m + "AbsMove:X640Y480Delay:0"), Events{"cursor 640 480"});
    EXPECT_THROW(Run(m + "AbsMove:X640YtopDelay:0"), EActionError);
}

TEST_F(Executor, PostMessageNamesAWindowsOrAUserMessage) {
    const std::string p = "\xA1PostMessage\xA1";
    world.windows.foreground = 5;
    world.windows.windows = {{4, "Player", "PlayerClass"}};
    world.keys.titles["Player"] = 40;
    world.messages.user = {"Next=WM_USER,1,2"};
    EXPECT_EQ(Plan(p + "WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N"),
              Events{"post 5 10 0 0"})
        << "no destination: the window in front";
    EXPECT_EQ(Plan(p + "NextwParam:1AlParam:FFFFFFFFDelay:0DestWnd:x, PlayerKeepActive:N"),
              Events{"post 40 400 26 -1"});
    EXPECT_EQ(Run(p + "WM_NOSUCHwParam:0lParam:0Delay:0DestWnd:KeepActive:N"), std::nullopt);
    world.messages.user = {"Odd=80000000,0,0"};
    EXPECT_THROW(Run(p + "OddwParam:0lParam:0Delay:0DestWnd:KeepActive:N"), EActionError);
    EXPECT_EQ(world.log.events, Events{}) << "nothing posted for the unknown or too large one";
}

TEST_F(Executor, AProgramStartsInItsOwnProcessADocumentThroughTheShell) {
    const std::string e = "\xA1"
                          "ExecuteProgram\xA1";
    EXPECT_EQ(
        Plan(e + "Try:Filename:C:\\Program Files\\v.exeParams:/fSuspend:YDelay:0"),
        (Events{"origins close", "start \"C:\\Program Files\\v.exe\" /f (wait)", "origins open"}));
    EXPECT_EQ(Plan(e + "Try:Filename:C:\\my.dir\\toolParams:-xSuspend:YDelay:0"),
              (Events{"origins close", "shell C:\\my.dir\\tool | -x", "origins open"}))
        << "nothing to wait for: the origins open again at once";
    world.programs.starts = false;
    EXPECT_EQ(Plan(e + "Try:Filename:gone.exeParams:Suspend:YDelay:0"),
              (Events{"origins close", "start gone.exe  (wait)", "origins open"}));
    world.windows.windows = {{9, "Viewer - a.png", "ViewerFrame"}};
    world.keys.titles["Viewer - a.png"] = 90;
    EXPECT_EQ(Plan(e + "Try:Viewer, ViewerFrameFilename:viewer.exeParams:Suspend:NDelay:0"),
              Events{"front 90"});
}

TEST_F(Executor, VolumeStepsAndMuteChangeOnlyWhatTheLineHas) {
    const auto mix = [](const std::string& vol, const std::string& inc) {
        return "\xA1Mixer\xA1"
               "1D:0C:2Vol:" +
               vol + "Inc:" + inc + "Delay:0";
    };
    world.mixer.line = {60000, 60000, 0};
    EXPECT_EQ(Plan(mix("0", "10")), (Events{"mixer 1", "volume 0 1 65535 -1 -1"}));
    EXPECT_EQ(world.display.suffix, "(100%)");
    world.mixer.line = {3000, 3000, 1};
    EXPECT_EQ(Plan(mix("1", "5")), (Events{"mixer 1", "volume 0 1 0 -1 -1"}));
    EXPECT_EQ(world.display.suffix, "(0%)");
    EXPECT_EQ(Plan(mix("3", "5")), (Events{"mixer 1", "volume 0 1 -1 -1 0"}));
    EXPECT_EQ(world.display.suffix, "OFF");

    world.display.suffix = "kept";
    world.mixer.line = {-1, -1, -1};
    EXPECT_EQ(Plan(mix("3", "5")), Events{"mixer 1"}) << "an unknown mute state is not toggled";
    EXPECT_EQ(Plan(mix("0", "5")), Events{"mixer 1"}) << "an unknown volume is not written";
    world.mixer.lineExists = false;
    EXPECT_EQ(Plan(mix("1", "5")), Events{"mixer 1"});
    EXPECT_EQ(world.display.suffix, "kept");
    EXPECT_EQ(Run(mix("1", "5")), 1u);
}

TEST_F(Executor, SendDataUsesTheReceiverPortOnlyWhileItIsOpen) {
    const std::string d = "\xA1SendData\xA1";
    auto& s = world.settings;
    s.SetInt("Serial port", 2);
    s.SetInt("Output data serial port", 2);
    s.SetInt("Output data Serial speed", 6);
    s.SetInt("Output data Serial parity", 0);
    s.SetInt("Output data Serial databits", 3);
    s.SetInt("Output data Serial stopbits", 0);
    s.SetBool("Output data Serial DTR", true);
    s.SetBool("Output data Serial RTS", false);
    world.receiverPort.connected = true;
    EXPECT_EQ(Plan(d + "Stream:0D0ADelay:500"), Events{"receiver write 0D 0A"});
    EXPECT_EQ(Run(d + "Stream:0D0ADelay:500"), std::nullopt) << "the wait stays";

    world.receiverPort.connected = false;
    EXPECT_EQ(Plan(d + "Stream:414Delay:0"),
              (Events{"data open COM2 7 0 3 0", "data dtr on", "data rts off", "data write 41 04",
                      "data close"}))
        << "the receiver's port is not kept from its origin";

    s.SetInt("Output data serial port", 3);
    EXPECT_EQ(Plan(d + "Stream:01Delay:0"),
              (Events{"data open COM3 7 0 3 0", "data dtr on", "data rts off", "data write 01"}));
    EXPECT_EQ(Plan(d + "Stream:02Delay:0"),
              (Events{"data dtr on", "data rts off", "data write 02"}));
    s.SetInt("Output data Serial parity", 2);
    EXPECT_EQ(Plan(d + "Stream:03Delay:0"),
              (Events{"data close", "data open COM3 7 2 3 0", "data dtr on", "data rts off",
                      "data write 03"}))
        << "changed settings reach the open port";

    world.dataPort.connected = false;
    world.dataPort.opens = false;
    EXPECT_EQ(Plan(d + "Stream:04Delay:0"), (Events{"data open COM3 7 2 3 0", "beep"}));
}

TEST_F(Executor, AFileGoesOutInBlocksWithTheMessagesHandledBetween) {
    world.settings.SetInt("Serial port", 1);
    world.settings.SetInt("Output data serial port", 1);
    world.receiverPort.connected = true;
    const std::string path = ::testing::TempDir() + "send-data.bin";
    std::ofstream(path, std::ios::binary) << std::string(2048 + 3, 'A');
    const Events plan = Plan("\xA1SendData\xA1"
                             "File:" +
                             path + "Delay:0");
    std::remove(path.c_str());
    ASSERT_EQ(plan.size(), 6u);
    EXPECT_EQ(plan[0].size(), std::string("receiver write").size() + 3 * 1024);
    EXPECT_EQ(plan[1], "messages");
    EXPECT_EQ(plan[4], "receiver write 41 41 41");
    EXPECT_EQ(plan[5], "messages");
    EXPECT_EQ(Plan("\xA1SendData\xA1"
                   "File:" +
                   path + "Delay:0"),
              Events{})
        << "a missing file sends nothing";
}

TEST_F(Executor, PowerWindowStateAndOnScreenText) {
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "0Delay:0"),
              Events{"exit 0"});
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "1Delay:0"),
              Events{"exit 2"});
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "2Delay:0"),
              Events{"exit 9"});
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "3Delay:0"),
              Events{"suspend"});
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "4Delay:0"),
              Events{"hibernate"});
    EXPECT_EQ(Plan("\xA1Shutdown\xA1"
                   "5Delay:0"),
              Events{});

    world.windows.foreground = 6;
    EXPECT_EQ(Plan("\xA1WindowState\xA1"
                   "0Delay:0"),
              Events{"minimize 6"});
    EXPECT_EQ(Plan("\xA1WindowState\xA1"
                   "2Delay:0"),
              Events{"restore 6"});
    EXPECT_EQ(Plan("\xA1WindowState\xA1"
                   "3Delay:1000"),
              Events{"post 6 10 0 0"})
        << "closing asks the window";
    EXPECT_EQ(Run("\xA1WindowState\xA1"
                  "3Delay:1000"),
              1001u);

    EXPECT_EQ(Plan("\xA1OSD\xA1"
                   "Current timeDelay:0"),
              Events{"osd 12:34:56"});
    EXPECT_EQ(world.display.suffix, "12:34:56");
    EXPECT_EQ(Plan("\xA1OSD\xA1"
                   "Current dateDelay:0"),
              Events{"osd 01.02.2003"});
    EXPECT_EQ(Plan("\xA1OSD\xA1"
                   "HelloDelay:0"),
              Events{"osd Hello"});
}
