// The standard controls as the keyboard moves the focus through them.

#include "ProgramCommonControls.h"
#include "Pump.h"
#include "RealKeys.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(StdCtrlsKeys, AnEditableComboBoxIsEnteredAndLeftOnceEachAsTheFocusMovesInAndOut) {
    TForm* form = test::NewLoadedForm(nullptr, "ComboForm");
    auto* before = new TEdit(form, form, "BeforeEdBx");
    TComboBox* combo = nullptr;
    {
        const test::ProgramCommonControls programs;
        combo = new TComboBox(form, form, "WindowCoBx", TComboStyle::DropDown);
    }
    new TEdit(form, form, "AfterEdBx");
    std::vector<std::string> events;
    combo->OnEnter = [&](TObject*) { events.push_back("enter"); };
    combo->OnExit = [&](TObject*) { events.push_back("exit " + combo->Text()); };
    form->Show();
    SetForegroundWindow(form->Handle());
    before->SetFocus();
    test::TapKey(VK_TAB);
    test::TypeText("Find");
    Application().ProcessMessages();
    EXPECT_EQ(events, (std::vector<std::string>{"enter"}));
    test::TapKey(VK_TAB);
    Application().ProcessMessages();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit Find"}));
    delete form;
}

} // namespace
