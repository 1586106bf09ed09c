// Accept on each type: what it needs, and the texts the format cannot keep.

#include "ui/action/ActionAccept.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TAcceptCheck Refused(TEditorValue value) {
    return {TAcceptAnswer::Refuse, value};
}

TActionEditorValues OfType(TActionType type) {
    TActionEditorValues v;
    v.Type = type;
    return v;
}

const TEditorLists kLists = {{"WM_CLOSE"},
                             54,
                             {{"Onboard", {{"Speakers", "CD", "Wave"}, {"Recording", "Mic"}}},
                              {"Headset", {{"Phones", "Voice"}}}},
                             1280,
                             1024};
const TEditorLists kNoMixer = {{"WM_CLOSE"}, 54, {}, 1280, 1024};

TEST(ActionAccept, EachTypeAsksForTheValueItCannotDoWithout) {
    TActionEditorValues v = OfType(TActionType::TapKey);
    v.SystemKey = false; // empty particular keys are accepted
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});
    v.SystemKey = true;
    v.SystemKeyIndex = -1;
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::SystemKey));

    EXPECT_EQ(CheckAccept(OfType(TActionType::ExecuteProgram), kLists),
              Refused(TEditorValue::FileName));
    v = OfType(TActionType::Volume);
    v.Mixer = v.Destination = 0;
    EXPECT_EQ(CheckAccept(v, kNoMixer), (TAcceptCheck{TAcceptAnswer::Cancel, TEditorValue::None}));
    v.Line = 2;
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});

    v = OfType(TActionType::PostMessage);
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::WindowsMessage));
    v.WindowsMessage = false;
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::UserMessage));

    v = OfType(TActionType::Miscellaneous);
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});
    v.Misc = TMiscOption::Osd;
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::OsdText));
    v.Misc = TMiscOption::WindowState;
    v.WindowStateCode = -1;
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::WindowState));

    v = OfType(TActionType::SendData);
    v.DataFile = "C:\\data.bin"; // of the option not chosen
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::Stream));
    v.Data = SendDataSource::File;
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});

    v = OfType(TActionType::MouseMove);
    v.Mouse = TMouseOption::RelativeMove;
    v.Direction = -1;
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::RelativeMove));
}

// A type's values that Accept takes.
TActionEditorValues Acceptable(TActionType type) {
    TActionEditorValues v = OfType(type);
    v.FileName = "a.exe";
    v.WindowsMessageName = "WM_CLOSE";
    v.Mixer = v.Destination = v.Line = 0;
    v.Stream = "0D";
    return v;
}

TEST(ActionAccept, EveryNumberBeyondWhatItsControlHoldsAndEveryListWithNothingChosenIsRefused) {
    using V = TActionEditorValues;
    using E = TEditorValue;
    const V key = Acceptable(TActionType::TapKey);
    const V click = Acceptable(TActionType::MouseMove);
    V relative = click;
    relative.Mouse = TMouseOption::RelativeMove;
    V absolute = click;
    absolute.Mouse = TMouseOption::AbsoluteMove;
    const V volume = Acceptable(TActionType::Volume);
    V mute = volume;
    mute.Mute = true;
    const V shutdown = Acceptable(TActionType::Miscellaneous);
    V windowState = shutdown;
    windowState.Misc = TMiscOption::WindowState;
    struct Case {
        const V& accepted;
        void (*change)(V&);
        E refused;
    };
    const Case cases[] = {
        {key, [](V& v) { v.SystemKeyIndex = 54; }, E::SystemKey},
        {click, [](V& v) { v.ClickType = 10; }, E::Click},
        {click, [](V& v) { v.ClickType = 9; }, E::Click},
        {click, [](V& v) { v.ClickType = -1; }, E::Click},
        {relative, [](V& v) { v.Direction = 12; }, E::RelativeMove},
        {relative, [](V& v) { v.Acceleration = 0; }, E::Acceleration},
        {relative, [](V& v) { v.Acceleration = 11; }, E::Acceleration},
        {absolute, [](V& v) { v.X = 1281; }, E::AbsoluteMove},
        {absolute, [](V& v) { v.Y = -1; }, E::AbsoluteMove},
        {volume, [](V& v) { v.VolumeStep = 3; }, E::Volume}, // would store a mute toggle
        {volume, [](V& v) { v.VolumeStep = -1; }, E::Volume},
        {volume, [](V& v) { v.Mixer = 2; }, E::Mixer},
        {volume, [](V& v) { v.Mixer = -1; }, E::Mixer},
        {volume, [](V& v) { v.Destination = 2; }, E::Destination},
        {volume, [](V& v) { v.Line = -1; }, E::Line},
        {volume, [](V& v) { v.Line = 3; }, E::Line},
        {volume, [](V& v) { v.Increment = 0; }, E::Increment},
        {mute, [](V& v) { v.Increment = 11; }, E::Increment},
        {shutdown, [](V& v) { v.ShutdownCode = 5; }, E::Shutdown},
        {windowState, [](V& v) { v.WindowStateCode = 4; }, E::WindowState},
        {shutdown, [](V& v) { v.Delay = 32768; }, E::Delay},
        {key, [](V& v) { v.Delay = -1; }, E::Delay},
    };
    for (const Case& c : cases) {
        V v = c.accepted;
        ASSERT_EQ(CheckAccept(v, kLists), TAcceptCheck{}) << ComposeEditorAction(v);
        c.change(v);
        EXPECT_EQ(CheckAccept(v, kLists), Refused(c.refused)) << ComposeEditorAction(v);
    }
    // A muted line has no volume step to check.
    V v = mute;
    v.VolumeStep = -1;
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});
    // A device without lines leaves nothing to choose: the editor closes as cancelled.
    const TEditorLists silent = {{}, 54, {{"Silent", {}}}, 1280, 1024};
    EXPECT_EQ(CheckAccept(v, silent), (TAcceptCheck{TAcceptAnswer::Cancel, TEditorValue::None}));
}

TEST(ActionAccept, ATextHoldingALaterKeyOfItsKindIsRefused) {
    TActionEditorValues v = OfType(TActionType::TapKey);
    v.SystemKey = false;
    v.Keys = "see Delay: now";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::ParticularKeys));
    v.Keys = "Delay";
    v.DestinationWindow = "Player KeepActive: on";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::DestinationWindow));
    // An earlier key does no harm: "Delay:" is found before the window.
    v.DestinationWindow = "Delay: 5";
    EXPECT_EQ(CheckAccept(v, kLists), TAcceptCheck{});

    v = OfType(TActionType::ExecuteProgram);
    v.FileName = "tool.exe";
    v.Params = "/mode Suspend:Y";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::Params));
    v.Params = "";
    v.TryFirst = true;
    v.TryWindow = "Save Filename:";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::TryWindow));

    v = OfType(TActionType::PostMessage);
    v.WindowsMessage = false;
    v.UserMessageName = "MywParam:";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::UserMessage));
    v.UserMessageName = "Beep";
    v.LParam = "1Delay:";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::LParam));
    v = Acceptable(TActionType::PostMessage);
    v.WParam = "1lParam:";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::WParam));

    v = OfType(TActionType::Miscellaneous);
    v.Misc = TMiscOption::Osd;
    v.OsdText = "No Delay: here";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::OsdText));

    v = OfType(TActionType::SendData);
    v.Data = SendDataSource::File;
    v.DataFile = "C:\\Delay:\\a.bin";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::DataFile));
    v.Data = SendDataSource::Stream;
    v.Stream = "0DDelay:";
    EXPECT_EQ(CheckAccept(v, kLists), Refused(TEditorValue::Stream));
}

} // namespace
