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

} // namespace
