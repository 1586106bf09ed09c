// The sample dialog driven with real key messages, as a keyboard user would.

#include "SampleDialog.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct DialogKeys : ::testing::Test {
    test::TSampleSettings settings;
    test::TSampleDialog* dialog = new test::TSampleDialog(nullptr, settings);

    DialogKeys() {
        dialog->Show();
        test::PumpFor(std::chrono::milliseconds(30));
    }
    ~DialogKeys() override { delete dialog; }

    // Posts the key to the focused window, as the keyboard does, with the modifiers held.
    void Press(WORD key, bool shift = false, bool ctrl = false, bool alt = false) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        auto hold = [&](int vk, bool down) { state[vk] = down ? 0x80 : 0; };
        hold(VK_SHIFT, shift);
        hold(VK_CONTROL, ctrl);
        hold(VK_MENU, alt);
        SetKeyboardState(state);
        const UINT message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
        PostMessageA(GetFocus(), message, key, alt ? (1 | (1 << 29)) : 1);
        Application().ProcessMessages();
        hold(VK_SHIFT, false);
        hold(VK_CONTROL, false);
        hold(VK_MENU, false);
        SetKeyboardState(state);
    }
    TControl* Focused() { return TControl::FindControl(GetFocus()); }
};

TEST_F(DialogKeys, TabFollowsTheTabOrderBothWays) {
    dialog->PortCoBx->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(Focused(), dialog->SpeedEdBx);
    Press(VK_TAB);
    EXPECT_EQ(Focused(), dialog->NameEdBx);
    // Moving a control in the tab order moves it in the keyboard's path.
    dialog->StartChBx->SetTabOrder(0);
    dialog->PortCoBx->SetFocus();
    Press(VK_TAB, /*shift=*/true);
    EXPECT_EQ(Focused(), dialog->StartChBx);
    Press(VK_TAB, /*shift=*/true);
    EXPECT_EQ(Focused(), dialog->PageCtl) << "the tabs come before the page's controls";
    // Windows' own request to move the focus takes the same path.
    SendMessageA(dialog->Handle(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(dialog->NameEdBx->Handle()), TRUE);
    EXPECT_EQ(Focused(), dialog->NameEdBx);
    SendMessageA(dialog->Handle(), WM_NEXTDLGCTL, 0, FALSE);
    EXPECT_EQ(Focused(), dialog->LogChBx);
}

TEST_F(DialogKeys, AltAndALabelsLetterFocusesItsControlWithTheTextSelected) {
    dialog->PortCoBx->SetFocus();
    Press('N', false, false, /*alt=*/true);
    ASSERT_EQ(Focused(), dialog->NameEdBx);
    DWORD start = 0, end = 0;
    SendMessageA(dialog->NameEdBx->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, dialog->NameEdBx->Text().size());
    // A check box's letter toggles it, and the model hears of it.
    Press('W', false, false, true);
    EXPECT_TRUE(dialog->LogChBx->Checked());
    EXPECT_TRUE(settings.Log);
    // A tab's letter opens its page.
    Press('O', false, false, true);
    EXPECT_EQ(dialog->PageCtl->ActivePage(), dialog->OptionsTab);
}

TEST_F(DialogKeys, EnterPressesTheFocusedButtonElseTheDefaultAndEscapeCancels) {
    std::vector<std::string> pressed;
    for (TButton* b : {dialog->OkBtn, dialog->CancelBtn, dialog->HelpBtn})
        b->OnClick = [&pressed, b](TObject*) { pressed.push_back(b->Name()); };
    auto isDefaultLook = [](TButton* b) {
        return (GetWindowLongA(b->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON) != 0;
    };
    dialog->NameEdBx->SetFocus();
    EXPECT_TRUE(isDefaultLook(dialog->OkBtn));
    Press(VK_RETURN);
    dialog->CancelBtn->SetFocus();
    EXPECT_TRUE(isDefaultLook(dialog->CancelBtn));
    EXPECT_FALSE(isDefaultLook(dialog->OkBtn));
    Press(VK_RETURN);
    dialog->PortCoBx->SetFocus();
    EXPECT_TRUE(isDefaultLook(dialog->OkBtn));
    Press(VK_ESCAPE);
    EXPECT_EQ(pressed, (std::vector<std::string>{"OkBtn", "CancelBtn", "CancelBtn"}));
    EXPECT_EQ(dialog->ModalResult, mrCancel);
}

TEST_F(DialogKeys, ArrowsMoveTheCheckInsideARadioGroupAndTabVisitsItOnce) {
    dialog->PageCtl->SetActivePage(dialog->OptionsTab);
    dialog->ModeRGrp->Button(0)->SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(Focused(), dialog->ModeRGrp->Button(1));
    EXPECT_EQ(settings.Mode, 1);
    Press(VK_UP);
    Press(VK_UP); // wraps round
    EXPECT_EQ(settings.Mode, 2);
    EXPECT_TRUE(dialog->OutputGrpBx->Enabled());
    Press(VK_TAB);
    EXPECT_EQ(Focused(), dialog->TimeOutEdBx);
    Press(VK_TAB, true);
    EXPECT_EQ(Focused(), dialog->ModeRGrp->Button(2)) << "Tab comes back to the checked item";
}

TEST_F(DialogKeys, CtrlTabSwitchesPagesAsAUsersChoiceAndTheFocusFollows) {
    int changes = 0;
    dialog->PageCtl->OnChange = [&](TObject*) { ++changes; };
    dialog->NameEdBx->SetFocus();
    Press(VK_TAB, false, /*ctrl=*/true);
    EXPECT_EQ(dialog->PageCtl->ActivePage(), dialog->OptionsTab);
    EXPECT_EQ(Focused(), dialog->ModeRGrp->Button(0));
    Press(VK_TAB, /*shift=*/true, /*ctrl=*/true);
    Press(VK_TAB, true, true);
    EXPECT_EQ(dialog->PageCtl->ActivePage(), dialog->SoundsTab);
    EXPECT_EQ(changes, 3);
    // A handler may refuse the change.
    dialog->PageCtl->OnChanging = [](TObject*, bool& allow) { allow = false; };
    Press(VK_TAB, false, true);
    EXPECT_EQ(dialog->PageCtl->ActivePage(), dialog->SoundsTab);
}

TEST_F(DialogKeys, AModalFormBelongsToTheActiveFormWhichWaitsAndComesBack) {
    SetActiveWindow(dialog->Handle());
    auto* modal = new TForm(dialog, "Question", TBorderStyle::Dialog);
    modal->Loaded();
    HWND ownerWhileShown = nullptr;
    bool dialogEnabled = true;
    modal->OnShow = [&](TObject*) {
        ownerWhileShown = GetWindow(modal->Handle(), GW_OWNER);
        dialogEnabled = IsWindowEnabled(dialog->Handle()) != FALSE;
        modal->ModalResult = mrOk;
    };
    EXPECT_EQ(modal->ShowModal(), mrOk);
    EXPECT_EQ(ownerWhileShown, dialog->Handle());
    EXPECT_FALSE(dialogEnabled);
    EXPECT_TRUE(IsWindowEnabled(dialog->Handle()));
    EXPECT_EQ(GetActiveWindow(), dialog->Handle());
}

} // namespace
