// A modal form typed into with the real keyboard, opened from a window that has it: the form
// takes the keyboard at its first control, and the window gets it back when the form closes.

#include "Pump.h"
#include "RealKeys.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct ModalFormKeys : ::testing::Test {
    TForm* main = test::NewLoadedForm(nullptr, "MainForm");
    TEdit* mainEdit = new TEdit(main, main, "MainEdBx");
    // A name prompt: its edit proposes a name, Enter accepts.
    TForm* prompt = new TForm(main, "Prompt", TBorderStyle::Dialog);
    TLabel* nameLbl = new TLabel(prompt, prompt, "NameLbl");
    TEdit* nameEdBx = new TEdit(prompt, prompt, "NameEdBx");
    TButton* okBtn = new TButton(prompt, prompt, "OkBtn");
    TButton* cancelBtn = new TButton(prompt, prompt, "CancelBtn");

    ModalFormKeys() {
        okBtn->ModalResult = mrOk;
        prompt->DefaultButton = okBtn;
        cancelBtn->ModalResult = mrCancel;
        prompt->CancelButton = cancelBtn;
        prompt->Loaded();
        nameEdBx->SetText("New remote");
        main->Show();
        SetForegroundWindow(main->Handle());
        mainEdit->SetFocus();
        test::PumpFor(std::chrono::milliseconds(50));
    }
    ~ModalFormKeys() override { delete main; }
};

TEST_F(ModalFormKeys, TypingReplacesThePromptsSelectedTextReturnAcceptsAndTheOpenerTypesOn) {
    EXPECT_EQ(test::ShowModalTo(*prompt,
                                [] {
                                    test::TypeText("Typed remote");
                                    test::TapKey(VK_RETURN);
                                }),
              mrOk);
    EXPECT_EQ(nameEdBx->Text(), "Typed remote");
    EXPECT_EQ(GetFocus(), mainEdit->Handle());
}

TEST_F(ModalFormKeys, ShownAgainTheFormStartsAtItsFirstControlNotWhereItWasLeft) {
    EXPECT_EQ(test::ShowModalTo(*prompt,
                                [] {
                                    test::TapKey(VK_TAB);
                                    test::TapKey(VK_ESCAPE);
                                }),
              mrCancel);
    EXPECT_EQ(test::ShowModalTo(*prompt,
                                [] {
                                    test::TypeText("Porch");
                                    test::TapKey(VK_RETURN);
                                }),
              mrOk);
    EXPECT_EQ(nameEdBx->Text(), "Porch");
}

} // namespace
