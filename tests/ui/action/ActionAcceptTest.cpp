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

TEST(ActionAccept, EachTypeAsksForTheValueItCannotDoWithout) {
    TActionEditorValues v = OfType(TActionType::TapKey);
    v.SystemKey = false; // empty particular keys are accepted
    EXPECT_EQ(CheckAccept(v, 0), TAcceptCheck{});
    v.SystemKey = true;
    v.SystemKeyIndex = -1;
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::SystemKey));

    EXPECT_EQ(CheckAccept(OfType(TActionType::ExecuteProgram), 0), Refused(TEditorValue::FileName));
    EXPECT_EQ(CheckAccept(OfType(TActionType::Volume), 0),
              (TAcceptCheck{TAcceptAnswer::Cancel, TEditorValue::None}));
    EXPECT_EQ(CheckAccept(OfType(TActionType::Volume), 3), TAcceptCheck{});

    v = OfType(TActionType::PostMessage);
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::WindowsMessage));
    v.WindowsMessage = false;
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::UserMessage));

    v = OfType(TActionType::Miscellaneous);
    EXPECT_EQ(CheckAccept(v, 0), TAcceptCheck{});
    v.Misc = TMiscOption::Osd;
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::OsdText));
    v.Misc = TMiscOption::WindowState;
    v.WindowStateCode = -1;
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::WindowState));

    v = OfType(TActionType::SendData);
    v.DataFile = "C:\\data.bin"; // of the option not chosen
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::Stream));
    v.Data = SendDataSource::File;
    EXPECT_EQ(CheckAccept(v, 0), TAcceptCheck{});

    v = OfType(TActionType::MouseMove);
    v.Mouse = TMouseOption::RelativeMove;
    v.Direction = -1;
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::RelativeMove));
}

TEST(ActionAccept, ATextHoldingALaterKeyOfItsKindIsRefused) {
    TActionEditorValues v = OfType(TActionType::TapKey);
    v.SystemKey = false;
    v.Keys = "see Delay: now";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::ParticularKeys));
    v.Keys = "Delay";
    v.DestinationWindow = "Player KeepActive: on";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::DestinationWindow));
    // An earlier key does no harm: "Delay:" is found before the window.
    v.DestinationWindow = "Delay: 5";
    EXPECT_EQ(CheckAccept(v, 0), TAcceptCheck{});

    v = OfType(TActionType::ExecuteProgram);
    v.FileName = "tool.exe";
    v.Params = "/mode Suspend:Y";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::Params));
    v.Params = "";
    v.TryFirst = true;
    v.TryWindow = "Save Filename:";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::TryWindow));

    v = OfType(TActionType::PostMessage);
    v.WindowsMessage = false;
    v.UserMessageName = "MywParam:";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::UserMessage));
    v.UserMessageName = "Beep";
    v.LParam = "1Delay:";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::LParam));

    v = OfType(TActionType::Miscellaneous);
    v.Misc = TMiscOption::Osd;
    v.OsdText = "No Delay: here";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::OsdText));

    v = OfType(TActionType::SendData);
    v.Data = SendDataSource::File;
    v.DataFile = "C:\\Delay:\\a.bin";
    EXPECT_EQ(CheckAccept(v, 0), Refused(TEditorValue::DataFile));
}

} // namespace
