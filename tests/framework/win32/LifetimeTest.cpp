// What one component holds of another is cleared when the other goes, and no handler runs on
// a form that is being destroyed.

#include "Pump.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Menus.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(Lifetime, FreedButtonsMenusAndEditsLeaveNoReferenceBehind) {
    TForm* form = test::NewLoadedForm(nullptr, "Form");
    auto* ok = new TButton(form, form, "OkBtn");
    auto* cancel = new TButton(form, form, "CancelBtn");
    form->DefaultButton = ok;
    form->CancelButton = cancel;
    auto* popup = new TPopupMenu(nullptr, "PopupMenu1");
    auto* edit = new TEdit(form, form, "SpeedEdBx");
    edit->PopupMenu = popup;
    auto* upDown = new TUpDown(form, form, "SpeedUpDwn");
    upDown->SetAssociate(edit);
    auto* label = new TLabel(form, form, "SpeedLbl");
    label->FocusControl = edit;

    delete ok;
    delete popup;
    delete edit;
    EXPECT_EQ(form->DefaultButton.get(), nullptr);
    EXPECT_EQ(form->CancelButton.get(), cancel);
    EXPECT_EQ(upDown->Associate(), nullptr);
    EXPECT_EQ(label->FocusControl.get(), nullptr);
    upDown->SetPosition(5); // would write into the freed edit
    // Enter with no default button left presses nothing and breaks nothing.
    MSG enter{form->Handle(), WM_KEYDOWN, VK_RETURN, 1, 0, {}};
    EXPECT_FALSE(form->DialogKey(enter));
    delete form;
}

// A form of the program's kind: its handlers use members of the derived form.
struct TPortForm : TForm {
    explicit TPortForm(std::vector<std::string>& log) : TForm(nullptr, "PortForm"), log_(log) {
        TAV_CREATE(PortEdBx, {.Parent = this,
                              .OnChange = Handler(&TPortForm::PortEdBxChange),
                              .OnExit = Handler(&TPortForm::PortEdBxExit)});
        TAV_CREATE(OkBtn, {.Parent = this, .Caption = "OK"});
        SetLayout(Column({PortEdBx, OkBtn}));
    }
    ~TPortForm() override { history_.clear(); }
    void PortEdBxChange(TObject*) { history_.push_back(PortEdBx->Text()); }
    void PortEdBxExit(TObject*) { log_.push_back("exit after " + std::to_string(history_.size())); }

    TEdit* PortEdBx = nullptr;
    TButton* OkBtn = nullptr;
    std::vector<std::string>& log_;
    std::vector<std::string> history_;
};

TEST(Lifetime, NoHandlerRunsWhileTheFormIsBuiltOrDestroyed) {
    std::vector<std::string> log;
    auto* form = new TPortForm(log);
    form->Show();
    form->PortEdBx->SetText("COM3");
    form->PortEdBx->SetFocus();
    form->OkBtn->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit after 1"}));
    form->PortEdBx->SetFocus();
    delete form; // the edit loses the focus while its window goes
    EXPECT_EQ(log.size(), 1u);
}

TEST(Lifetime, ASettingTheControlDoesNotHaveIsRefusedAtItsDeclaration) {
    struct TBadForm : TForm {
        TBadForm() : TForm(nullptr, "BadForm") {
            TAV_CREATE(OkBtn, {.Parent = this, .OnChange = [](TObject*) {}});
        }
        TButton* OkBtn = nullptr;
    };
    EXPECT_THROW(TBadForm bad, std::invalid_argument);
}

} // namespace
