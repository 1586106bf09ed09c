// The commands tree driven as a person would: dragging nodes onto others, and editing a label
// in place. The suite runs alone: the drag finds its target under the pointer and the label
// editor ends when the focus leaves it.

#include "CommandsTreeWorld.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct CommandsTreeKeys : ::testing::Test, test::CommandsTreeWorld {
    // Points of a node's row in screen coordinates: its label, and the indent left of it.
    POINT Label(const TCommandNode* node) { return At(node, true, 0); }
    POINT Indent(const TCommandNode* node) { return At(node, false, 2); }
    POINT At(const TCommandNode* node, bool label, int x) {
        const RECT r = Row(node, label);
        POINT p{label ? (r.left + r.right) / 2 : x, (r.top + r.bottom) / 2};
        ClientToScreen(form->CommandsTree->Handle(), &p);
        return p;
    }
    // Drags `node` to `to` with the mouse's moves and release; whether the drop was accepted.
    bool Drag(TCommandNode* node, POINT to) {
        Select(node);
        form->CommandsTree->BeginDrag();
        TControl::DragTo(to);
        const bool accepted = GetCursor() == LoadCursorA(nullptr, IDC_ARROW);
        TControl::EndDrag(true);
        return accepted;
    }
    HWND Editor() {
        return reinterpret_cast<HWND>(
            SendMessageA(form->CommandsTree->Handle(), TVM_GETEDITCONTROL, 0, 0));
    }
    // Starts the in-place edit of `node`'s label as F2 does.
    void EditLabel(TCommandNode* node) {
        Select(node);
        form->CommandsTree->SetFocus();
        PostMessageA(form->CommandsTree->Handle(), WM_KEYDOWN, VK_F2, 0);
        ASSERT_TRUE(test::PumpUntil([&] { return Editor() != nullptr; }, std::chrono::seconds(2)));
    }
    // Posts the key to the focused window as the keyboard does, Ctrl held or not.
    void Press(WORD key, bool ctrl = false) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        Application().ProcessMessages();
        state[VK_CONTROL] = 0;
        SetKeyboardState(state);
    }
    // A code of `node`'s, received while the window shows: recognition selects the node.
    void Receive(TCommandNode* node) {
        form->Receiver().ReceiveTimed(
            [](TReceivedCode& rc) { rc.AppendWhileRoom(std::vector<std::uint8_t>{7}); },
            TDuringTimeOut::Discard);
        form->IRTimerTimer(form->IRTimer);
        form->TypematicTimerTimer(form->TypematicTimer);
        ASSERT_EQ(form->CommandsView().Selected(), node);
    }
};

TEST_F(CommandsTreeKeys, DraggingFollowsTheRulesOfRemotesAndCommands) {
    EXPECT_FALSE(Drag(radio, Label(volUp))) << "a remote goes only onto a remote";
    EXPECT_EQ(Shown(), "TV; Vol+; Vol-;Radio; Power;");

    EXPECT_TRUE(Drag(power, Label(tv)));
    EXPECT_EQ(Shown(), "TV; Power; Vol+; Vol-;Radio;") << "a command's first child";
    EXPECT_TRUE(Drag(power, Label(volDown)));
    EXPECT_EQ(Shown(), "TV; Vol+; Power; Vol-;Radio;") << "just before the label it lands on";
    EXPECT_TRUE(Drag(volUp, Indent(power)));
    EXPECT_EQ(Shown(), "TV; Power; Vol-; Vol+;Radio;") << "beside a command: its remote's end";
    EXPECT_TRUE(Drag(radio, Label(tv)));
    EXPECT_EQ(Shown(), "Radio;TV; Power; Vol-; Vol+;") << "a remote goes before the remote";
    EXPECT_EQ(Document(), Shown());
    for (const TCommandNode* n : form->Document().Tree().Nodes())
        EXPECT_EQ(n->Data()->NodeIndex, View(n)->AbsoluteIndex());
    EXPECT_TRUE(form->SaveMenu->Enabled());

    // Onto itself or past the last node nothing moves.
    form->Document().SetModified(false);
    EXPECT_FALSE(Drag(volDown, Label(volDown)));
    RECT client{};
    GetClientRect(form->CommandsTree->Handle(), &client);
    POINT below{client.right / 2, client.bottom - 2};
    ClientToScreen(form->CommandsTree->Handle(), &below);
    EXPECT_FALSE(Drag(volDown, below));
    EXPECT_EQ(Shown(), "Radio;TV; Power; Vol-; Vol+;");
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(CommandsTreeKeys, DeleteWhileEditingALabelEditsItAndARenameIsSavedAtOnce) {
    Select(volUp);
    form->CommandsTree->SetFocus();
    PostMessageA(form->CommandsTree->Handle(), WM_KEYDOWN, VK_F2, 0);
    ASSERT_TRUE(test::PumpUntil([&] { return Editor() != nullptr; }, std::chrono::seconds(2)));
    SetWindowTextA(Editor(), "Volume up");
    SendMessageA(Editor(), EM_SETSEL, 0, 1);
    PostMessageA(Editor(), WM_KEYDOWN, VK_DELETE, 0);
    test::PumpFor(std::chrono::milliseconds(30));
    EXPECT_TRUE(boxes.empty()) << "no question about deleting the node";
    char text[64] = {};
    GetWindowTextA(Editor(), text, sizeof text);
    EXPECT_STREQ(text, "olume up");
    SendMessageA(form->CommandsTree->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_EQ(volUp->Text, "olume up");
    EXPECT_EQ(Shown(), "TV; olume up; Vol-;Radio; Power;");

    // Closing right away asks to save the new name.
    answer = IDCANCEL;
    form->Close();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Save changes to the configuration file?");

    // Delete on the tree itself asks about the node.
    answer = IDNO;
    form->CommandsTree->SetFocus();
    PostMessageA(form->CommandsTree->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    test::PumpFor(std::chrono::milliseconds(30));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "Are you sure you want to delete the command 'olume up'?");
}

TEST_F(CommandsTreeKeys, ADragCarriesItsNodeWhileReceivedCodesChangeTheSelection) {
    form->Document().SetCode(*power->Data(), {7});
    Select(volDown);
    form->CommandsTree->BeginDrag();
    Receive(power);
    TControl::DragTo(Label(tv));
    TControl::EndDrag(true);
    EXPECT_EQ(Shown(), "TV; Vol-; Vol+;Radio; Power;");

    // A drop on the trigger list adds the dragged command, not the recognised one.
    TDocument& doc = form->Document();
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Louder");
    doc.SetCurAction(item);
    form->ShowActionItem();
    test::PumpFor(std::chrono::milliseconds(20));
    Select(volUp);
    form->CommandsTree->BeginDrag();
    Receive(power);
    POINT list{5, form->TriggerTree->ToPixels(100)};
    ClientToScreen(form->TriggerTree->Handle(), &list);
    TControl::DragTo(list);
    TControl::EndDrag(true);
    EXPECT_EQ(item->TriggerCommands, std::vector<TCommand*>{volUp->Data()});
}

TEST_F(CommandsTreeKeys, WhileALabelIsEditedItsKeysAreTheEditorsAndNoShortcutRuns) {
    TDocument& doc = form->Document();
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Louder");
    doc.SetCurAction(item);
    doc.SetModified(false);
    int prompts = 0;
    TForm::ModalHook = [&](TForm&) {
        ++prompts;
        return static_cast<int>(mrCancel);
    };
    EditLabel(volUp);
    SendMessageA(Editor(), EM_SETSEL, 1, 1);
    Press('A', /*ctrl=*/true);
    DWORD from = 0, to = 0;
    SendMessageA(Editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u) << "Ctrl+A selects the whole name";
    Press('R', /*ctrl=*/true);
    EXPECT_TRUE(item->TriggerCommands.empty());
    EXPECT_EQ(prompts, 0) << "Ctrl+R opened no prompt";
    EXPECT_FALSE(doc.Modified());
    SendMessageA(form->CommandsTree->Handle(), TVM_ENDEDITLABELNOW, TRUE, 0);

    // Away from the editor the shortcut runs again.
    Press('A', /*ctrl=*/true);
    EXPECT_EQ(item->TriggerCommands, std::vector<TCommand*>{volUp->Data()});
}

TEST_F(CommandsTreeKeys, AChangeOfTheTreeEndsAPendingOrRunningRename) {
    // A click on the selected node starts its edit a moment later, unless Delete came first.
    Select(volUp);
    form->CommandsTree->SetFocus();
    const POINT at = At(volUp, true, 0);
    POINT client = at;
    ScreenToClient(form->CommandsTree->Handle(), &client);
    const LPARAM where = MAKELPARAM(client.x, client.y);
    PostMessageA(form->CommandsTree->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(form->CommandsTree->Handle(), WM_LBUTTONUP, 0, where);
    test::PumpFor(std::chrono::milliseconds(20));
    Press(VK_DELETE);
    ASSERT_EQ(boxes.size(), 1u);
    test::PumpFor(std::chrono::milliseconds(GetDoubleClickTime() + 200));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Shown(), "TV; Vol-;Radio; Power;");

    // A running edit ends unsaved when its node goes.
    EditLabel(volDown);
    SetWindowTextA(Editor(), "typed");
    form->DeleteMenuClick(form->DeleteMenu);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Shown(), "TV;Radio; Power;");
    EXPECT_EQ(Document(), Shown());
}

} // namespace
