// Alt+F4 typed on the real keyboard closes the form whichever of its controls has the keyboard:
// some control classes keep system keys to themselves, so the form never heard of it.

#include "Pump.h"
#include "RealKeys.h"
#include "framework/win32/StdCtrls.h"
#include "framework/win32/TreeView.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct FormKeys : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "MainForm");
    TTreeView* tree = new TTreeView(form, form, "CommandsTree");
    TComboBox* combo = new TComboBox(form, form, "LayoutCmbBx", TComboStyle::DropDownList);
    TEdit* edit = new TEdit(form, form, "NameEdBx");
    int closes = 0;

    FormKeys() {
        tree->SetBounds(0, 0, 150, 100);
        tree->Add(nullptr, "Power", nullptr);
        combo->SetBounds(0, 110, 150, 24);
        edit->SetBounds(0, 140, 150, 24);
        form->OnClose = [this](TObject*, TCloseAction& action) {
            ++closes;
            action = TCloseAction::None;
        };
        form->Show();
        SetForegroundWindow(form->Handle());
        test::PumpFor(50ms);
    }
    ~FormKeys() override { delete form; }

    bool AltF4ClosesWithFocusOn(TControl* control) {
        control->SetFocus();
        test::PumpFor(20ms);
        const int before = closes;
        test::TapKey(VK_F4, VK_MENU);
        return test::PumpUntil([&] { return closes > before; }, 2000ms);
    }
};

TEST_F(FormKeys, AltF4ClosesTheFormFromEveryKindOfControl) {
    EXPECT_TRUE(AltF4ClosesWithFocusOn(tree));
    EXPECT_TRUE(AltF4ClosesWithFocusOn(combo));
    EXPECT_TRUE(AltF4ClosesWithFocusOn(edit));
}

} // namespace
