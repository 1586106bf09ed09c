// The editor's values and the action strings made from them and read into them.

#include "ui/action/ActionEditorValues.h"

#include "engine/actions/MessageLists.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tav;

namespace {

const TEditorLists kLists = {{"WM_CLOSE", "WM_KEYDOWN", "WM_USER"},
                             54,
                             {{"Onboard", {{"Speakers", "CD", "Wave"}, {"Recording", "Mic"}}},
                              {"Headset", {{"Phones", "Voice", "Chat"}}}},
                             1280,
                             1024};

TActionEditorValues Load(std::string_view action, const TActionEditorValues& over = {}) {
    try {
        return LoadEditorAction(action, over, kLists);
    } catch (const std::runtime_error& error) {
        ADD_FAILURE() << error.what();
        return over;
    }
}

TEST(ActionEditorValues, EveryTypeWritesItsStringAndReadsItBack) {
    const std::string actions[] = {
        "\xA1SendKeys\xA1NCNE9Delay:0DestWnd:KeepActive:N",
        "\xA1SendKeys\xA1"
        "ANSNabcDelay:250DestWnd:Untitled - Notepad, NotepadKeepActive:Y",
        "\xA1MouseControl\xA1"
        "Click:2YDelay:0",
        "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
        "\xA1MouseControl\xA1"
        "AbsMove:X640Y480Delay:0",
        "\xA1"
        "ExecuteProgram\xA1Try:Viewer, TViewerFilename:C:\\Tools\\viewer.exeParams:/f"
        "Suspend:YDelay:0",
        "\xA1PostMessage\xA1WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N",
        "\xA1PostMessage\xA1"
        "BeepwParam:1AlParam:2BDelay:500DestWnd:Player, TPlayerKeepActive:Y",
        "\xA1Mixer\xA1"
        "1D:0C:2Vol:1Inc:5Delay:0",
        "\xA1Mixer\xA1"
        "0D:1C:0Vol:3Inc:5Delay:0", // muting keeps the increment shown
        "\xA1Shutdown\xA1"
        "3Delay:0",
        "\xA1WindowState\xA1"
        "2Delay:750",
        "\xA1OSD\xA1"
        "Current timeDelay:0",
        "\xA1SendData\xA1Stream:0D0AFFDelay:0",
        "\xA1SendData\xA1"
        "File:C:\\data.binDelay:250",
    };
    for (const std::string& action : actions)
        EXPECT_EQ(ComposeEditorAction(Load(action)), action);
}

TEST(ActionEditorValues, TheChosenTypeAndOptionAreWhatIsWritten) {
    TActionEditorValues v;
    v.Type = TActionType::MouseMove;
    v.Mouse = TMouseOption::RelativeMove;
    v.Direction = 6;
    v.Delay = 250;
    v.ClickType = 3; // another option's value is not written
    EXPECT_EQ(ComposeEditorAction(v), "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250");
    v.Type = TActionType::ExecuteProgram;
    v.TryWindow = "Viewer"; // the option is off
    v.FileName = "C:\\Tools\\viewer.exe";
    v.Params = "/f";
    v.Delay = 0;
    EXPECT_EQ(ComposeEditorAction(v),
              "\xA1"
              "ExecuteProgram\xA1Try:Filename:C:\\Tools\\viewer.exeParams:/fSuspend:NDelay:0");
    v.Type = TActionType::Volume;
    v.Mixer = 0, v.Destination = 0, v.Line = 2, v.VolumeStep = 1, v.Mute = true;
    EXPECT_EQ(ComposeEditorAction(v), "\xA1Mixer\xA1"
                                      "0D:0C:2Vol:3Inc:5Delay:0");
}

TEST(ActionEditorValues, ShiftAndWindowsTogetherKeepTheWindowsKeyOnly) {
    TActionEditorValues v;
    v.Modifiers = {false, false, true, true};
    v.SystemKeyIndex = 0;
    const std::string action = ComposeEditorAction(v);
    EXPECT_EQ(action, "\xA1SendKeys\xA1NNLE0Delay:0DestWnd:KeepActive:N");
    const TActionEditorValues loaded = Load(action, v);
    EXPECT_FALSE(loaded.Modifiers.shift);
    EXPECT_TRUE(loaded.Modifiers.windows);
}

TEST(ActionEditorValues, ReadingKeepsWhatTheStringDoesNotName) {
    TActionEditorValues shown;
    shown.Increment = 8;
    shown.VolumeStep = 1;
    shown.OsdText = "Hello";
    // Muting carries an increment, shown so that it is stored again as it was.
    TActionEditorValues v = Load("\xA1Mixer\xA1"
                                 "0D:0C:1Vol:3Inc:2Delay:0",
                                 shown);
    EXPECT_TRUE(v.Mute);
    EXPECT_EQ(v.Increment, 2);
    EXPECT_EQ(v.VolumeStep, 1);
    EXPECT_EQ(v.OsdText, "Hello");
    v = Load("\xA1"
             "ExecuteProgram\xA1Try:Filename:a.exeParams:Suspend:NDelay:0",
             shown);
    EXPECT_FALSE(v.TryFirst);
    EXPECT_EQ(v.Type, TActionType::ExecuteProgram);
}

TEST(ActionEditorValues, AStringChangesOnlyTheValuesItNames) {
    TActionEditorValues shown;
    shown.Modifiers = {true, false, true, false};
    shown.Keys = "abc";
    shown.Mixer = 1;
    shown.OsdText = "Hello";
    shown.DestinationWindow = "Player";
    TActionEditorValues expected = shown;
    expected.Type = TActionType::Miscellaneous;
    expected.Misc = TMiscOption::WindowState;
    expected.WindowStateCode = 2;
    expected.Delay = 750;
    EXPECT_EQ(Load("\xA1WindowState\xA1"
                   "2Delay:750",
                   shown),
              expected);
}

TEST(ActionEditorValues, AMessageOfTheWindowsListInItsSpellingIsOneAnyOtherIsTheUsers) {
    TActionEditorValues v =
        Load("\xA1PostMessage\xA1WM_KEYDOWNwParam:0lParam:0Delay:0DestWnd:KeepActive:N");
    EXPECT_TRUE(v.WindowsMessage);
    EXPECT_EQ(v.WindowsMessageName, "WM_KEYDOWN");
    v = Load("\xA1PostMessage\xA1"
             "BeepwParam:0lParam:0Delay:0DestWnd:KeepActive:N",
             v);
    EXPECT_FALSE(v.WindowsMessage);
    EXPECT_EQ(v.UserMessageName, "Beep");
    EXPECT_EQ(v.WindowsMessageName, "WM_KEYDOWN");
    // Shown as typed, it is stored again as it was.
    v = Load("\xA1PostMessage\xA1wm_keydownwParam:0lParam:0Delay:0DestWnd:KeepActive:N", v);
    EXPECT_FALSE(v.WindowsMessage);
    EXPECT_EQ(v.UserMessageName, "wm_keydown");
}

TEST(ActionEditorValues, TheProgramsStandardMessagesLoadAsWindowsMessages) {
    TEditorLists lists = kLists;
    lists.WindowsMessages = MessageNames(TMessageLists("").WindowsMessages());
    for (const std::string name : {"WM_SETTINGCHANGE", "WM_DDE_EXECUTE", "WM_CLOSE"}) {
        const TActionEditorValues v = LoadEditorAction(
            "\xA1PostMessage\xA1" + name + "wParam:0lParam:0Delay:0DestWnd:KeepActive:N", {},
            lists);
        EXPECT_TRUE(v.WindowsMessage) << name;
        EXPECT_EQ(v.WindowsMessageName, name);
    }
}

TEST(ActionEditorValues, AStringThatDoesNotReadOrIsOfNoKindIsAnError) {
    const TActionEditorValues v;
    EXPECT_THROW(LoadEditorAction("\xA1Shutdown\xA1xDelay:0", v, kLists), std::runtime_error);
    EXPECT_THROW(LoadEditorAction("\xA1MouseControl\xA1"
                                  "AbsMove:X1Y2",
                                  v, kLists),
                 std::runtime_error);
    EXPECT_THROW(LoadEditorAction("plain text", v, kLists), std::runtime_error);
}

// Shown, each would be stored otherwise: clamped, with nothing chosen, or as another action.
TEST(ActionEditorValues, AStringTheEditorCannotShowAsItIsIsRefused) {
    const std::string refused[] = {
        "\xA1Mixer\xA1"
        "0D:0C:1Vol:2Inc:5Delay:0", // changes nothing
        "\xA1MouseControl\xA1"
        "Delay:0", // no mouse action
        "\xA1Shutdown\xA1"
        "3Delay:32768",
        "\xA1MouseControl\xA1"
        "AbsMove:X1281Y0Delay:0",
        "\xA1MouseControl\xA1"
        "AbsMove:X0Y-1Delay:0",
        "\xA1MouseControl\xA1RelMove:6Accel:0Delay:0",
        "\xA1MouseControl\xA1RelMove:6Accel:11Delay:0",
        "\xA1Mixer\xA1"
        "0D:0C:1Vol:0Inc:11Delay:0",
        "\xA1Mixer\xA1"
        "2D:0C:0Vol:0Inc:5Delay:0",
        "\xA1Mixer\xA1"
        "0D:1C:2Vol:0Inc:5Delay:0",
        "\xA1Mixer\xA1"
        "1D:1C:0Vol:3Inc:5Delay:0",
        "\xA1Shutdown\xA1"
        "5Delay:0",
        "\xA1WindowState\xA1"
        "4Delay:0",
        "\xA1SendKeys\xA1NNNE54Delay:0DestWnd:KeepActive:N",
        "\xA1SendKeys\xA1NNNE09Delay:0DestWnd:KeepActive:N",
        "\xA1SendKeys\xA1NNRNaDelay:0DestWnd:KeepActive:N",
        "\xA1SendData\xA1"
        "Delay:0",
    };
    TActionEditorValues shown;
    shown.OsdText = "Shown before";
    for (const std::string& action : refused)
        EXPECT_THROW(LoadEditorAction(action, shown, kLists), std::runtime_error) << action;
    const std::string ends[] = {
        "\xA1Shutdown\xA1"
        "4Delay:32767",
        "\xA1MouseControl\xA1"
        "AbsMove:X1280Y1024Delay:0",
        "\xA1MouseControl\xA1RelMove:7Accel:10Delay:0",
        "\xA1MouseControl\xA1"
        "Click:8NDelay:0",
        "\xA1Mixer\xA1"
        "1D:0C:2Vol:3Inc:1Delay:0",
        "\xA1SendKeys\xA1NNNE53Delay:0DestWnd:KeepActive:N",
    };
    for (const std::string& action : ends)
        EXPECT_EQ(ComposeEditorAction(Load(action, shown)), action);
}

} // namespace
