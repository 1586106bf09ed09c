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
    struct Case {
        TActionType type;
        void (*change)(TActionEditorValues&);
        TEditorValue refused;
    };
    using T = TActionType;
    using V = TActionEditorValues;
    using E = TEditorValue;
    const Case cases[] = {
        {T::TapKey, [](V& v) { v.SystemKeyIndex = 54; }, E::SystemKey},
        {T::MouseMove, [](V& v) { v.ClickType = 10; }, E::Click},
        {T::MouseMove, [](V& v) { v.ClickType = 9; }, E::Click},
        {T::MouseMove, [](V& v) { v.ClickType = -1; }, E::Click},
        {T::MouseMove,
         [](V& v) {
             v.Mouse = TMouseOption::RelativeMove;
             v.Direction = 12;
         },
         E::RelativeMove},
        {T::MouseMove,
         [](V& v) {
             v.Mouse = TMouseOption::RelativeMove;
             v.Acceleration = 0;
         },
         E::Acceleration},
        {T::MouseMove,
         [](V& v) {
             v.Mouse = TMouseOption::RelativeMove;
             v.Acceleration = 11;
         },
         E::Acceleration},
        {T::MouseMove,
         [](V& v) {
             v.Mouse = TMouseOption::AbsoluteMove;
             v.X = 1281;
         },
         E::AbsoluteMove},
        {T::MouseMove,
         [](V& v) {
             v.Mouse = TMouseOption::AbsoluteMove;
             v.Y = -1;
         },
         E::AbsoluteMove},
        {T::Volume, [](V& v) { v.VolumeStep = 3; }, E::Volume}, // would store a mute toggle
        {T::Volume, [](V& v) { v.VolumeStep = -1; }, E::Volume},
        {T::Volume, [](V& v) { v.Mixer = 2; }, E::Mixer},
        {T::Volume, [](V& v) { v.Mixer = -1; }, E::Mixer},
        {T::Volume, [](V& v) { v.Destination = 2; }, E::Destination},
        {T::Volume, [](V& v) { v.Line = -1; }, E::Line},
        {T::Volume, [](V& v) { v.Line = 3; }, E::Line},
        {T::Volume, [](V& v) { v.Increment = 0; }, E::Increment},
        {T::Volume,
         [](V& v) {
             v.Mute = true;
             v.Increment = 11;
         },
         E::Increment},
        {T::Miscellaneous, [](V& v) { v.ShutdownCode = 5; }, E::Shutdown},
        {T::Miscellaneous,
         [](V& v) {
             v.Misc = TMiscOption::WindowState;
             v.WindowStateCode = 4;
         },
         E::WindowState},
        {T::SendData, [](V& v) { v.Delay = 32768; }, E::Delay},
        {T::ExecuteProgram, [](V& v) { v.Delay = -1; }, E::Delay},
    };
    for (const Case& c : cases) {
        TActionEditorValues v = Acceptable(c.type);
        ASSERT_EQ(CheckAccept(v, kLists), TAcceptCheck{}) << static_cast<int>(c.type);
        c.change(v);
        EXPECT_EQ(CheckAccept(v, kLists), Refused(c.refused)) << ComposeEditorAction(v);
    }
    // A muted line has no volume step to check.
    TActionEditorValues v = Acceptable(T::Volume);
    v.Mute = true;
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
    v.LParam = "0";
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
