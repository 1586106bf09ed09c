#include "framework/win32/StdCtrls.h"
#include "ProgramCommonControls.h"
#include "Pump.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct StdCtrlsTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    int clicks = 0;
    int changes = 0;
    TNotifyEvent countClick = [this](TObject*) { ++clicks; };
    TNotifyEvent countChange = [this](TObject*) { ++changes; };
    ~StdCtrlsTest() override { delete form; }
};

TEST_F(StdCtrlsTest, CheckBoxFiresFromCodeOnlyWhenTheStateChanges) {
    auto* box = new TCheckBox(form, form, "LaunchChBx");
    box->OnClick = countClick;
    box->SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Checked());
    SendMessageA(box->Handle(), BM_CLICK, 0, 0); // a user's click toggles and fires once
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(StdCtrlsTest, RadioButtonFiresWhenItBecomesCheckedAndClearsItsSiblings) {
    auto* a = new TRadioButton(form, form, "ARBtn");
    auto* b = new TRadioButton(form, form, "BRBtn");
    int aClicks = 0;
    a->OnClick = [&](TObject*) { ++aClicks; };
    b->OnClick = countClick;
    a->SetChecked(true);
    EXPECT_EQ(aClicks, 1);
    b->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(a->Checked());
    b->SetChecked(false); // unchecking fires nothing
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(aClicks, 1);
    SendMessageA(a->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(aClicks, 2);
    SendMessageA(a->Handle(), BM_CLICK, 0, 0); // already checked: no change, no event
    EXPECT_EQ(aClicks, 2);
}

TEST_F(StdCtrlsTest, ComboBoxSelectionFromCodeFiresNothingButAUsersChoiceDoes) {
    auto* combo = new TComboBox(form, form, "LangCoBx");
    combo->OnClick = countClick;
    combo->OnChange = countChange;
    combo->SetItems({"English", "Deutsch", "Espa\xF1ol"});
    combo->SetItemIndex(2);
    SendMessageA(combo->Handle(), CB_SETCURSEL, 1, 0);
    EXPECT_EQ(clicks + changes, 0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    // What the list sends when the user picks an entry.
    SendMessageA(form->Handle(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo->IndexOf("Espa\xF1ol"), 2);
    EXPECT_EQ(combo->IndexOf("espa\xF1ol"), -1);
}

TEST_F(StdCtrlsTest, EditChangeFiresForCodeAndKeyFilterCanSwallowKeys) {
    auto* edit = new TEdit(form, form, "PasswordEdBx");
    edit->OnChange = countChange;
    edit->OnKeyPress = [](TObject*, char& key) {
        if (key < '0' || key > '9')
            key = 0;
    };
    edit->SetText("12");
    EXPECT_EQ(changes, 1);
    edit->SetText("12"); // same text: nothing changes
    EXPECT_EQ(changes, 1);
    SendMessageA(edit->Handle(), EM_SETSEL, 2, 2);
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 1);
    SendMessageA(edit->Handle(), WM_CHAR, '3', 1);
    EXPECT_EQ(edit->Text(), "123");
    edit->SetPasswordChar('*');
    EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(edit->Text(), "123");
}

TEST_F(StdCtrlsTest, ButtonClickSetsTheFormsModalResultBeforeItsHandler) {
    auto* ok = new TButton(form, form, "OkBtn");
    ok->ModalResult = mrOk;
    int seen = -1;
    ok->OnClick = [&](TObject*) { seen = form->ModalResult; };
    SendMessageA(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(seen, mrOk);
}

TEST_F(StdCtrlsTest, RadioGroupFiresWhenTheCheckedItemChangesByClickOrCode) {
    auto* group = new TRadioGroup(form, form, "TrigTypeRGrp");
    group->OnClick = countClick;
    group->SetItems({"AND", "OR"});
    group->SetItemIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(group->Button(1)->Checked());
    group->SetItemIndex(1); // shows the same: nothing to tell
    group->SetItemIndex(-1);
    EXPECT_EQ(clicks, 1);
    group->SetItemIndex(1);
    SendMessageA(group->Button(0)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(group->ItemIndex(), 0);
    // Translating the items keeps the choice and tells nobody.
    group->FindProperty("Items")->setList({"UND", "ODER"});
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(group->ItemIndex(), 0);
    EXPECT_EQ(group->Button(1)->Caption(), "ODER");
    EXPECT_FALSE(group->Button(1)->Checked());
}

TEST_F(StdCtrlsTest, CaptionAndItemsArePublishedByName) {
    new TLabel(form, form, "LayoutLbl");
    new TListBox(form, form, "LangFilesLBx");
    auto* label = form->FindComponent("layoutlbl");
    ASSERT_NE(label, nullptr);
    label->FindProperty("Caption")->setString("&Layout:");
    EXPECT_EQ(static_cast<TLabel*>(label)->Caption(), "&Layout:");
    auto* list = static_cast<TListBox*>(form->FindComponent("LangFilesLBx"));
    list->FindProperty("items")->setList({"a.lng", "b.lng"});
    EXPECT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(form->PropertyKindOf("Caption"), PropertyKind::String);
}

TEST_F(StdCtrlsTest, ControlsAreFreedWithTheirParentAndLeaveTheOwnersList) {
    auto* panel = new TPanel(form, form, "Panel");
    auto* inner = new TButton(form, panel, "InnerBtn");
    HWND innerWnd = inner->Handle();
    EXPECT_EQ(TControl::FromHandle(innerWnd), inner);
    delete panel;
    EXPECT_EQ(form->FindComponent("InnerBtn"), nullptr);
    EXPECT_FALSE(IsWindow(innerWnd));
    EXPECT_TRUE(form->Controls().empty());
}

TEST_F(StdCtrlsTest, AlignedControlsShareTheClientArea) {
    form->SetClientSize(300, 200);
    auto* top = new TPanel(form, form, "Top");
    top->SetBounds(0, 0, 10, 30);
    top->SetAlign(TAlign::Top);
    auto* client = new TPanel(form, form, "Client");
    client->SetAlign(TAlign::Client);
    EXPECT_EQ(top->Width(), 300);
    EXPECT_EQ(client->Top(), 30);
    EXPECT_EQ(client->Height(), 170);
}

} // namespace

namespace {

TEST_F(StdCtrlsTest, OwnerDrawnSortedComboBoxDrawsThroughItsHandler) {
    auto* combo = new TComboBox(form, form, "ActionTypeCoBx", TComboStyle::OwnerDrawFixed, true);
    combo->SetItems({"Send keys", "Mixer", "Execute"});
    EXPECT_EQ(combo->Items(), (StringList{"Execute", "Mixer", "Send keys"}));
    std::vector<int> drawn;
    combo->OnDrawItem = [&](TControl* c, int index, HDC, const RECT&, UINT) {
        EXPECT_EQ(c, combo);
        drawn.push_back(index);
    };
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(combo->Handle()));
    item.itemID = 1;
    item.hwndItem = combo->Handle();
    item.hDC = GetDC(combo->Handle());
    EXPECT_EQ(
        SendMessageA(form->Handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)),
        TRUE);
    ReleaseDC(combo->Handle(), item.hDC);
    EXPECT_EQ(drawn, (std::vector<int>{1}));
}

TEST_F(StdCtrlsTest, AComboBoxMadeEditableKeepsItsItemsAndTellsWhenItsListOpens) {
    auto* combo = new TComboBox(form, form, "TryFirstCoBx");
    combo->SetItems({"Notepad, Notepad", "Player, TPlayer"});
    combo->SetItemIndex(1);
    combo->OnChange = countChange;
    combo->OnDropDown = countClick;
    combo->SetStyle(TComboStyle::DropDown);
    EXPECT_EQ(combo->Style(), TComboStyle::DropDown);
    EXPECT_EQ(combo->Items(), (StringList{"Notepad, Notepad", "Player, TPlayer"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetText("typed");
    EXPECT_EQ(combo->Text(), "typed");
    SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(StdCtrlsTest, ListsHoldAFiveThousandCharacterItemAndGiveItBackWhole) {
    const std::string name = "LONG0_" + std::string(4994, 'N');
    const test::ProgramCommonControls programs;
    ASSERT_TRUE(programs.Active());
    auto* combo = new TComboBox(form, form, "UserMsgCoBx", TComboStyle::DropDown);
    auto* list = new TListBox(form, form, "UserMsgListBox", /*sorted=*/true);
    for (TListControl* items :
         {static_cast<TListControl*>(combo), static_cast<TListControl*>(list)}) {
        items->SetItems({"Quiet", name, "Beep"});
        EXPECT_EQ(items->Item(1), name);
        EXPECT_EQ(items->IndexOf(name), 1);
    }
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), name);
    list->DeleteItem(0);
    EXPECT_EQ(list->Items(), (StringList{name, "Quiet"}));
}

TEST_F(StdCtrlsTest, MemoLinesRoundTripThroughItsText) {
    auto* memo = new TMemo(form, form, "Log");
    memo->SetLines({"first", "", "third"});
    EXPECT_EQ(memo->Text(), "first\r\n\r\nthird\r\n");
    memo->AddLine("fourth");
    EXPECT_EQ(memo->Lines(), (StringList{"first", "", "third", "fourth"}));
    memo->SetText("");
    EXPECT_TRUE(memo->Lines().empty());
    memo->SetText("typed"); // a line the user left open ends before the next one
    memo->AddLine("received");
    EXPECT_EQ(memo->Text(), "typed\r\nreceived\r\n");
}

} // namespace
