// The main window's action-item panel, driven through its controls: drops from the commands
// tree, items that share a name, the switches, the actions list's buttons, and a pending chain
// whose item is deleted.

#include "engine/actions/win32/ActionTestWindow.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/password/win32/Password.h"

#include <gtest/gtest.h>

#include <deque>

using namespace tav;

namespace {

using Strings = std::vector<std::string>;

struct MainActionPanelTest : ::testing::Test {
    THandOver handOver;
    test::MainFormKey key;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    int answer = IDYES;
    TSeamScope<MessageBoxFn> box{
        MessageBoxSeam(), [this](const std::string&, const std::string&, UINT) { return answer; }};
    // The names typed into the prompts, in order; none left cancels.
    std::deque<std::string> typed;
    Strings proposed;
    // Runs once while the next prompt is open.
    std::function<void()> meanwhile;
    TMainForm* form = nullptr;
    TDocument* doc = nullptr;
    TTreeView* commands = nullptr;

    MainActionPanelTest() {
        TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
        form = new TMainForm(nullptr, key.Path());
        doc = &form->Document();
        form->Settings().SetBool("Use serial port", false);
        SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        form->Show();
        commands = form->CommandsTree;
        TForm::ModalHook = [this](TForm& dialog) {
            auto& input = static_cast<TInputDlg&>(dialog);
            proposed.push_back(input.PasswordEdBx->Text());
            if (meanwhile)
                std::exchange(meanwhile, nullptr)();
            if (typed.empty())
                return static_cast<int>(mrCancel);
            input.PasswordEdBx->SetText(typed.front());
            typed.pop_front();
            return static_cast<int>(mrOk);
        };
        test::PumpFor(std::chrono::milliseconds(20));
    }
    ~MainActionPanelTest() override {
        TForm::ModalHook = nullptr;
        delete form;
    }
    TCommandNode* Remote(const std::string& name, Strings names) {
        TCommandNode* remote = doc->AddRemote(name);
        for (const std::string& n : names)
            doc->AddCommand(remote, n);
        form->CommandsView().Fill();
        return remote;
    }
    // A fresh document's state: nothing to save yet.
    void Saved() {
        doc->SetModified(false);
        form->SaveMenu->SetEnabled(false);
    }
    void NewItem(const std::string& name) {
        typed.push_back(name);
        form->NewBtn->Click();
    }
    // The user's choice of the item at `position` in the item box.
    void ChooseItem(int position) {
        form->ActionCoBx->SetItemIndex(position);
        form->ActionCoBxChange(form->ActionCoBx);
    }
    Strings TriggerTreeTexts() const {
        Strings texts;
        for (TTreeNode* n = form->TriggerTree->GetFirstNode(); n != nullptr; n = n->GetNext())
            texts.push_back(std::string(static_cast<size_t>(n->Level()), '-') + n->Text());
        return texts;
    }
    // Drags from `from` and drops at `at` in `onto`'s client area, as the mouse does.
    static void Drag(TControl* from, TControl* onto, POINT at) {
        from->BeginDrag();
        ClientToScreen(onto->Handle(), &at);
        TControl::DragTo(at);
        TControl::EndDrag(true);
    }
};

// Drags reach the trigger tree through the screen: they run alone.
using MainActionPanelKeys = MainActionPanelTest;

TEST_F(MainActionPanelKeys, DroppingARemoteTwiceDoublesItsEntriesButNotTheBackReferences) {
    TCommandNode* tv = Remote("TV", {"1", "2", "3"});
    NewItem("Zap");
    TAction* item = doc->CurAction();
    ASSERT_NE(item, nullptr);
    Saved();
    test::PumpFor(std::chrono::milliseconds(20));

    const POINT empty{5, form->TriggerTree->ToPixels(100)};
    for (int drop = 0; drop < 2; ++drop) {
        commands->SetSelected(commands->GetFirstNode());
        Drag(commands, form->TriggerTree, empty);
    }
    EXPECT_EQ(item->TriggerCommands.size(), 6u);
    for (const auto& command : tv->Children())
        EXPECT_EQ(command->Data()->Actions, std::vector<TAction*>{item});
    EXPECT_EQ(TriggerTreeTexts(), (Strings{"TV", "-1", "-2", "-3", "-1", "-2", "-3"}));
    EXPECT_TRUE(form->SaveMenu->Enabled());

    // The menu item copies the commands tree's selection too.
    commands->SetSelected(commands->GetFirstNode()->GetFirstChild());
    form->CopyToActionMenuClick(nullptr);
    EXPECT_EQ(item->TriggerCommands.size(), 7u);
}

TEST_F(MainActionPanelTest, NewRenameAndDeleteActOnTheItemShownAmongItemsOfOneName) {
    TCommandNode* tv = Remote("TV", {"1"});
    NewItem("Same");
    NewItem("Same");
    EXPECT_EQ(proposed, (Strings{"My action", "Same"}));
    TAction* first = doc->DefaultLayout()->Actions[0].get();
    TAction* second = doc->DefaultLayout()->Actions[1].get();
    EXPECT_EQ(form->ActionCoBx->ItemIndex(), 1) << "the new item, not the first of its name";

    // A command fired while the name is asked does not turn the rename onto another item.
    doc->AddTrigger(first, tv->Children()[0].get());
    first->TrigType = 1;
    first->ActionStrings = {"\xA1OSD\xA1one Delay:0"};
    doc->SetCode(*tv->Children()[0]->Data(), {7});
    meanwhile = [&] {
        form->Receiver().ReceiveTimed(
            [](TReceivedCode& rc) { rc.AppendWhileRoom(std::vector<std::uint8_t>{7}); },
            TDuringTimeOut::Discard);
        form->IRTimerTimer(form->IRTimer);
    };
    typed.push_back("Second");
    form->RenameBtn->Click();
    EXPECT_EQ(first->Name, "Same");
    EXPECT_EQ(second->Name, "Second");
    EXPECT_EQ(form->ActionCoBx->Items(), (Strings{"Same", "Second"}));

    ChooseItem(0);
    answer = IDNO;
    form->DeleteBtn->Click();
    answer = IDYES;
    form->DeleteBtn->Click();
    ASSERT_EQ(doc->DefaultLayout()->Actions.size(), 1u);
    EXPECT_EQ(doc->DefaultLayout()->Actions[0].get(), second);
    EXPECT_TRUE(tv->Children()[0]->Data()->Actions.empty());
    EXPECT_EQ(form->ActionCoBx->ItemIndex(), -1);
    EXPECT_FALSE(form->ActionPageCtrl->Enabled());
    EXPECT_FALSE(form->DeleteBtn->Enabled());

    ChooseItem(0);
    form->DeleteBtn->Click();
    EXPECT_TRUE(form->ActionCoBx->Items().empty()) << "the layout's last item went";
}

TEST_F(MainActionPanelTest, ShowingAnItemChangesNothingAndTheActionButtonsFollowTheRows) {
    NewItem("Plain");
    NewItem("Odd");
    TAction* odd = doc->CurAction();
    odd->TrigEn = odd->TrigType = 1;
    odd->AllAtOnce = true;
    odd->ActionStrings = {"\xA1OSD\xA1one Delay:0", "\xA1OSD\xA1two Delay:0"};
    Saved();
    ChooseItem(0);
    ChooseItem(1);
    EXPECT_EQ(form->TrigTypeRGrp->ItemIndex(), 1);
    EXPECT_TRUE(form->AllAtOnceChBtn->Checked());
    EXPECT_FALSE(form->SaveMenu->Enabled()) << "viewing is no change";

    EXPECT_EQ(form->ActionsList->Item(1)->Caption(), "two ");
    EXPECT_FALSE(form->RemoveBtn->Enabled());
    form->ActionsList->SetItemIndex(0);
    EXPECT_TRUE(form->PropertiesBtn->Enabled());
    form->RemoveBtn->Click();
    EXPECT_EQ(odd->ActionStrings, Strings{"\xA1OSD\xA1two Delay:0"});
    EXPECT_FALSE(form->RemoveBtn->Enabled()) << "no row is selected any more";
    EXPECT_FALSE(form->AllAtOnceChBtn->Enabled()) << "one action left";

    Saved();
    form->TriggeringRGrp->Button(0)->Click();
    EXPECT_EQ(odd->TrigEn, 0);
    EXPECT_TRUE(form->SaveMenu->Enabled()) << "the user's own change";
}

TEST_F(MainActionPanelTest, EachRowShowsThePictureOfItsKind) {
    NewItem("All kinds");
    doc->CurAction()->ActionStrings = {
        "\xA1SendKeys\xA1NCNE9Delay:0DestWnd:KeepActive:N",
        "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
        "\xA1"
        "ExecuteProgram\xA1Try:Filename:C:\\viewer.exeParams:Suspend:NDelay:0",
        "\xA1PostMessage\xA1WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N",
        "\xA1Mixer\xA1"
        "0D:0C:1Vol:1Inc:5Delay:0",
        "\xA1Shutdown\xA1"
        "4Delay:0",
        "\xA1WindowState\xA1"
        "0Delay:0",
        "\xA1OSD\xA1HelloDelay:0",
        "\xA1SendData\xA1Stream:0D0AFFDelay:0"};
    form->ShowActionItem();
    const HWND list = form->ActionsList->Handle();
    EXPECT_EQ(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              reinterpret_cast<LRESULT>(form->ActionsTransList->Handle()));
    EXPECT_EQ(form->ActionsTransList->Count(), 8);
    int width = 0, height = 0;
    ImageList_GetIconSize(form->ActionsTransList->Handle(), &width, &height);
    EXPECT_EQ(width, form->ActionsList->ToPixels(16)) << "drawn at the list's DPI";
    std::vector<int> images;
    for (int row = 0; row < form->ActionsList->ItemCount(); ++row) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        images.push_back(item.iImage);
    }
    EXPECT_EQ(images, (std::vector<int>{0, 1, 2, 3, 4, 5, 5, 7, 6}));
}

TEST_F(MainActionPanelTest, DeletingTheItemOfAPendingChainStopsIt) {
    test::TActionTestWindow target;
    TCommandNode* tv = Remote("TV", {"Go"});
    form->Document().SetCode(*tv->Children()[0]->Data(), {0x42});
    NewItem("Chain");
    TAction* item = doc->CurAction();
    doc->AddTrigger(item, tv->Children()[0].get());
    const std::string post =
        "\xA1PostMessage\xA1WM_USERwParam:%lParam:0Delay:300DestWnd:" + target.Title +
        "KeepActive:N";
    auto withParam = [&](char p) {
        std::string s = post;
        s[s.find('%')] = p;
        return s;
    };
    item->ActionStrings = {withParam('1'), withParam('2')};
    item->AllAtOnce = true;
    form->RunBtn->Click();
    ASSERT_FALSE(form->Visible());

    form->Receiver().ReceiveTimed(
        [](TReceivedCode& rc) { rc.AppendWhileRoom(std::vector<std::uint8_t>{0x42}); },
        TDuringTimeOut::Discard);
    form->IRTimerTimer(form->IRTimer);
    ASSERT_TRUE(form->ActionTimer->Enabled()) << "the second action waits";
    form->DeleteBtn->Click();
    EXPECT_FALSE(form->ActionTimer->Enabled());
    test::PumpFor(std::chrono::milliseconds(500));
    ASSERT_EQ(target.Messages.size(), 1u);
    EXPECT_EQ(target.Messages[0].WParam, 1u);
}

} // namespace
