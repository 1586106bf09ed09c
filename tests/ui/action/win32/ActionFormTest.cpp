// The action editor driven through its controls: every kind of action composed and shown again,
// the suspend option, the user messages, F2, the window list, the mixer lists and Accept.

#include "ActionFormWorld.h"
#include "framework/win32/Pump.h"
#include "framework/win32/RealKeys.h"
#include "framework/win32/Seams.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct ActionFormTest : ::testing::Test {
    test::ActionFormWorld world;
    TActionForm* form = world.Make();
    std::vector<std::string> boxes;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string& caption, UINT) {
                                     boxes.push_back(caption + ": " + text);
                                     return IDOK;
                                 }};
    ~ActionFormTest() override { delete form; }

    void ChooseType(TActionType type) {
        form->ActionTypeCoBx->SetItemIndex(static_cast<int>(type));
        form->ActionTypeCoBxClick(form->ActionTypeCoBx);
    }
    static void Choose(TComboBox* list, int index) {
        list->SetItemIndex(index);
        list->Click();
        list->OnChange ? list->OnChange(list) : void();
    }
    // Accept as the user presses it; the modal result it leaves.
    int Accept() {
        form->ModalResult = mrNone;
        form->AcceptBtn->Click();
        return form->ModalResult;
    }
};

TEST_F(ActionFormTest, EveryKindComposedAcceptedAndShownAgainGivesTheSameString) {
    form->Show();
    std::vector<std::string> composed;
    auto accepted = [&] {
        EXPECT_EQ(Accept(), mrOk);
        composed.push_back(form->ComposeAction());
    };
    ChooseType(TActionType::TapKey);
    form->ParticularKeyRBtn->SetChecked(true);
    form->ParticularKeyEdBx->SetText("hello");
    form->CtrlKeyChBx->SetChecked(true);
    form->DestinationWndCoBx->SetText("Untitled - Notepad, Notepad");
    form->KeepActiveChBx->SetChecked(true);
    accepted();
    ChooseType(TActionType::MouseMove);
    form->RelativeMoveRBtn->SetChecked(true);
    Choose(form->RelativeMoveCoBx, 6);
    form->DelayUpDwn->SetPosition(250);
    accepted();
    ChooseType(TActionType::ExecuteProgram);
    form->FileNameEdBx->SetText("C:\\Tools\\viewer.exe");
    form->ParamsEdBx->SetText("/f");
    form->EnterSuspendModeChBx->SetChecked(true);
    accepted();
    ChooseType(TActionType::PostMessage);
    form->UserMsgRBtn->SetChecked(true);
    Choose(form->UserMsgCoBx, form->UserMsgCoBx->IndexOf("Beep"));
    accepted();
    ChooseType(TActionType::Volume);
    Choose(form->MixerCoBx, 0);
    Choose(form->DestCoBx, 1);
    form->MuteRBtn->SetChecked(true);
    accepted();
    ChooseType(TActionType::Miscellaneous);
    form->OSDRBtn->SetChecked(true);
    form->OSDCoBx->SetText("Good night");
    accepted();
    ChooseType(TActionType::SendData);
    form->DataStreamEdBx->SetText("0D0A");
    accepted();
    EXPECT_EQ(composed,
              (std::vector<std::string>{
                  "\xA1SendKeys\xA1NCNNhelloDelay:0DestWnd:Untitled - Notepad, NotepadKeepActive:Y",
                  "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
                  "\xA1"
                  "ExecuteProgram\xA1Try:Filename:C:\\Tools\\viewer.exeParams:/f"
                  "Suspend:YDelay:250",
                  "\xA1PostMessage\xA1"
                  "BeepwParam:1AlParam:2BDelay:250DestWnd:Untitled - "
                  "Notepad, NotepadKeepActive:Y",
                  "\xA1Mixer\xA1"
                  "0D:1C:0Vol:3Inc:5Delay:250",
                  "\xA1OSD\xA1Good nightDelay:250", "\xA1SendData\xA1Stream:0D0ADelay:250"}));
    // Each shown again, after the editor showed another, comes back unchanged.
    for (const std::string& action : composed) {
        ASSERT_NO_THROW(form->LoadActionIntoDialog("\xA1Shutdown\xA1"
                                                   "4Delay:0"));
        ASSERT_NO_THROW(form->LoadActionIntoDialog(action));
        EXPECT_EQ(form->ComposeAction(), action);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ActionFormTest, TheFirstTypeIsShownFromTheStartAndTheDestinationOnlyWhereItCounts) {
    EXPECT_EQ(form->ActionTypeCoBx->ItemIndex(), 0);
    EXPECT_EQ(form->PanelsCtrl->ActivePage(), form->TapKeyPanel);
    EXPECT_TRUE(form->DestinationWndCoBx->Enabled());
    ChooseType(TActionType::SendData);
    EXPECT_EQ(form->PanelsCtrl->ActivePage(), form->SendDataPanel);
    EXPECT_FALSE(form->DestinationWndCoBx->Enabled());
    EXPECT_FALSE(form->CursorPosTimer->Enabled());
    form->Show();
    ChooseType(TActionType::MouseMove);
    EXPECT_TRUE(form->CursorPosTimer->Enabled());
    // A hidden editor follows no cursor; shown again on the mouse page it does.
    form->Hide();
    EXPECT_FALSE(form->CursorPosTimer->Enabled());
    form->Show();
    EXPECT_TRUE(form->CursorPosTimer->Enabled());
}

TEST_F(ActionFormTest, TheSuspendOptionFollowsTheExtensionOfTheFilesOwnName) {
    form->FileNameEdBx->SetText("C:\\My.Programs\\tool.exe");
    EXPECT_TRUE(form->EnterSuspendModeChBx->Enabled());
    form->FileNameEdBx->SetText("C:\\My.Programs\\readme");
    EXPECT_FALSE(form->EnterSuspendModeChBx->Enabled());
    form->FileNameEdBx->SetText("run.BAT");
    EXPECT_TRUE(form->EnterSuspendModeChBx->Enabled());
}

TEST_F(ActionFormTest, AUserMessageFillsItsParametersAndTheBoxesTakeHexDigitsOnly) {
    ASSERT_EQ(form->UserMsgCoBx->Items(), (StringList{"Beep", "Quiet"}));
    Choose(form->UserMsgCoBx, 0);
    EXPECT_EQ(form->wParamEdBx->Text(), "1A");
    EXPECT_EQ(form->lParamEdBx->Text(), "2B");
    form->wParamEdBx->SetText("");
    form->wParamEdBx->SetFocus();
    for (char c : std::string("1g-F"))
        SendMessageA(form->wParamEdBx->Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(form->wParamEdBx->Text(), "1F");
}

// The key goes to the focused box and the cursor is the screen's: alone.
using ActionFormKeys = ActionFormTest;

TEST_F(ActionFormKeys, F2AnywhereCopiesTheCursorPosition) {
    form->Show();
    ChooseType(TActionType::ExecuteProgram);
    form->FileNameEdBx->SetFocus();
    SetCursorPos(123, 45);
    PostMessageA(form->FileNameEdBx->Handle(), WM_KEYDOWN, VK_F2, 1);
    test::PumpFor(30ms);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(form->XPosUpDown->Position(), cursor.x);
    EXPECT_EQ(form->YPosUpDown->Position(), cursor.y);
    EXPECT_EQ(cursor.x, 123);
}

// A titled window and a window it owns, with the entries the window lists give them.
struct OwnedWindows {
    TForm owner{nullptr, "ListedOwner"};
    TForm owned{nullptr, "ListedOwned"};
    // The owned window's entry is indented by three blanks, which choosing it drops.
    std::string ownerEntry, ownedTitle, ownedEntry;
    OwnedWindows() {
        owner.SetCaption("Owner of the test");
        owned.SetCaption("Owned by the test");
        SetWindowLongPtrA(owned.Handle(), GWLP_HWNDPARENT,
                          reinterpret_cast<LONG_PTR>(owner.Handle()));
        char cls[201] = {};
        GetClassNameA(owner.Handle(), cls, sizeof cls);
        ownerEntry = std::string("Owner of the test, ") + cls;
        ownedTitle = std::string("Owned by the test, ") + cls;
        ownedEntry = "   " + ownedTitle;
    }
};

TEST_F(ActionFormTest, AnOwnedWindowIsListedIndentedUnderItsOwnerAndLosesTheIndentWhenChosen) {
    const OwnedWindows windows;
    form->WindowCoBxDropDown(form->DestinationWndCoBx);
    const StringList entries = form->DestinationWndCoBx->Items();
    const auto at = std::find(entries.begin(), entries.end(), windows.ownerEntry);
    ASSERT_NE(at, entries.end());
    ASSERT_NE(at + 1, entries.end());
    EXPECT_EQ(*(at + 1), windows.ownedEntry);
    EXPECT_EQ(form->TryFirstCoBx->Items(), entries);
    form->DestinationWndCoBx->SetItemIndex(static_cast<int>(at + 1 - entries.begin()));
    form->WindowCoBxExit(form->DestinationWndCoBx);
    EXPECT_EQ(form->DestinationWndCoBx->Text(), windows.ownedTitle);
}

TEST_F(ActionFormKeys, LeavingTheDestinationByTabAfterPickingAnOwnedWindowKeepsItsTitleUnindented) {
    const OwnedWindows windows;
    TComboBox* destination = form->DestinationWndCoBx;
    form->Show();
    SetForegroundWindow(form->Handle());
    destination->SetFocus();
    test::TapKey(VK_F4); // the list opens, filled with the windows open now
    Application().ProcessMessages();
    const int entry = destination->IndexOf(windows.ownedEntry);
    ASSERT_GE(entry, 0);
    destination->SetItemIndex(entry);
    test::TapKey(VK_RETURN); // the list closes on the picked entry
    test::TapKey(VK_TAB);
    Application().ProcessMessages();
    EXPECT_NE(form->ActiveControl(), destination);
    EXPECT_EQ(destination->Text(), windows.ownedTitle);
}

TEST_F(ActionFormTest, TheMixerListsAreFilledForTheStringsOwnMixerBeforeItsLinesAreChosen) {
    EXPECT_EQ(form->MixerCoBx->Items(), (StringList{"Onboard", "Headset"}));
    EXPECT_EQ(form->DestCoBx->Items(), (StringList{"Speakers", "Recording"}));
    ASSERT_NO_THROW(form->LoadActionIntoDialog("\xA1Mixer\xA1"
                                               "1D:0C:1Vol:0Inc:3Delay:0"));
    EXPECT_EQ(form->DestCoBx->Items(), StringList{"Phones"});
    EXPECT_EQ(form->MixerLineCoBx->Items(), (StringList{"Phones", "Voice"}));
    EXPECT_EQ(form->MixerLineCoBx->ItemIndex(), 1);
    EXPECT_EQ(form->Labels().MixerLineName(0, 1), "Voice");
    EXPECT_TRUE(form->VolumeCoBx->Enabled());
    ASSERT_NO_THROW(form->LoadActionIntoDialog("\xA1Mixer\xA1"
                                               "0D:1C:1Vol:1Inc:3Delay:0"));
    EXPECT_EQ(form->MixerLineCoBx->Items(), (StringList{"Recording", "Mic"}));
    EXPECT_EQ(form->ComposeAction(), "\xA1Mixer\xA1"
                                     "0D:1C:1Vol:1Inc:3Delay:0");
}

// The executor opens the device of every volume action on the mixer the editor shares.
TEST_F(ActionFormTest, TheMixerListsFollowTheEditorsDeviceWhenTheExecutorOpensAnother) {
    ChooseType(TActionType::Volume);
    ASSERT_EQ(form->MixerCoBx->ItemIndex(), 0);
    world.mixer.SetMixerId(1);
    Choose(form->DestCoBx, 1);
    EXPECT_EQ(form->MixerLineCoBx->Items(), (StringList{"Recording", "Mic"}));
    Choose(form->MixerLineCoBx, 1);
    EXPECT_EQ(Accept(), mrOk);
    EXPECT_EQ(form->ComposeAction(), "\xA1Mixer\xA1"
                                     "0D:1C:1Vol:0Inc:5Delay:0");
}

TEST_F(ActionFormTest, AnActionItCannotShowAsItIsIsRefusedAndOneItShowsComesBackAsItWas) {
    ASSERT_NO_THROW(form->LoadActionIntoDialog("\xA1OSD\xA1HelloDelay:250"));
    const TActionEditorValues before = form->Values();
    for (const std::string action : {"\xA1Shutdown\xA1"
                                     "3Delay:40000",
                                     "\xA1MouseControl\xA1"
                                     "AbsMove:X99999Y0Delay:0",
                                     "\xA1Mixer\xA1"
                                     "0D:0C:1Vol:2Inc:5Delay:0",
                                     "\xA1MouseControl\xA1"
                                     "Delay:0",
                                     "\xA1Mixer\xA1"
                                     "0D:0C:3Vol:0Inc:5Delay:0"}) {
        EXPECT_THROW(form->LoadActionIntoDialog(action), std::runtime_error) << action;
        EXPECT_EQ(form->Values(), before) << action;
    }
    const std::string mute = "\xA1Mixer\xA1"
                             "1D:0C:1Vol:3Inc:2Delay:0";
    form->LoadActionIntoDialog(mute);
    EXPECT_EQ(Accept(), mrOk);
    EXPECT_EQ(form->ComposeAction(), mute);
}

TEST_F(ActionFormTest, AcceptAsksForWhatIsMissingAndRefusesATextTheFormatWouldCut) {
    form->ParticularKeyRBtn->SetChecked(true);
    EXPECT_EQ(Accept(), mrOk); // empty keys are fine
    form->ParticularKeyEdBx->SetText("wait Delay:1");
    EXPECT_EQ(Accept(), mrNone);
    ChooseType(TActionType::ExecuteProgram);
    form->FileNameEdBx->SetText("");
    EXPECT_EQ(Accept(), mrNone);
    ChooseType(TActionType::Volume);
    form->MixerLineCoBx->SetItemIndex(-1);
    EXPECT_EQ(Accept(), mrNone);
    EXPECT_EQ(boxes, (std::vector<std::string>{"Action setup incomplete: Particular key(s)?",
                                               "Action setup incomplete: Executable?",
                                               "Action setup incomplete: Connection?"}));
}

TEST(ActionFormMixer, WithoutAMixerDeviceTheVolumePageIsEmptyAndAcceptCancels) {
    test::ActionFormWorld world;
    TAudioMixer none(
        nullptr, std::make_unique<test::FakeMixerBackend>(std::vector<test::FakeMixerDevice>{}));
    TActionForm form(
        nullptr, {none, world.messages, world.host.settings, world.host, {}, *world.pictures, {}});
    form.ActionTypeCoBx->SetItemIndex(static_cast<int>(TActionType::Volume));
    form.ActionTypeCoBxClick(nullptr);
    EXPECT_TRUE(form.DestCoBx->Items().empty());
    EXPECT_FALSE(form.VolumeRBtn->Enabled());
    form.AcceptBtn->Click();
    EXPECT_EQ(form.ModalResult, mrCancel);
}

TEST_F(ActionFormTest, ALongUserListIsCutWithANoticeAndItsLongNamesAreChosenShort) {
    std::string list = "LONG0_" + std::string(519, 'N') + "=0400,1,2\r\nLONG1_" +
                       std::string(4994, 'N') + "=0400,3,4\r\n";
    for (int i = 0; i < 1000; ++i)
        list.append("M").append(std::to_string(i)).append("=0401,0,0\r\n");
    const std::string path = world.folder.Write("MyMsgList.txt", list);
    const TMessageLists messages(path);
    TActionForm editor(
        nullptr, {world.mixer, messages, world.host.settings, world.host, {}, *world.pictures, {}});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(path), std::string::npos) << boxes[0];
    ASSERT_EQ(editor.UserMsgCoBx->ItemCount(), 1000);
    editor.ActionTypeCoBx->SetItemIndex(static_cast<int>(TActionType::PostMessage));
    editor.ActionTypeCoBxClick(nullptr);
    editor.UserMsgRBtn->SetChecked(true);
    Choose(editor.UserMsgCoBx, 1);
    EXPECT_EQ(editor.lParamEdBx->Text(), "4");
    editor.ModalResult = mrNone;
    editor.AcceptBtn->Click();
    EXPECT_EQ(editor.ModalResult, mrOk);
    EXPECT_EQ(editor.ComposeAction(), "\xA1PostMessage\xA1LONG1_" + std::string(122, 'N') +
                                          "wParam:3lParam:4Delay:0DestWnd:KeepActive:N");
}

TEST_F(ActionFormTest, TheOutputPortIsWrittenOnlyWhenItsDialogIsAccepted) {
    int answer = mrCancel;
    TForm::ModalHook = [&](TForm& shown) {
        auto& dialog = dynamic_cast<TSerialSettingsForm&>(shown);
        EXPECT_EQ(dialog.PortCoBx->ItemIndex(), 0); // a valid port when none is stored
        dialog.PortCoBx->SetItemIndex(2);
        return answer;
    };
    form->DataPortBtn->Click();
    EXPECT_EQ(world.host.settings.Int("Output data serial port"), -1);
    answer = mrOk;
    form->DataPortBtn->Click();
    TForm::ModalHook = nullptr;
    EXPECT_EQ(world.host.settings.Int("Output data serial port"), 3);
}

} // namespace
