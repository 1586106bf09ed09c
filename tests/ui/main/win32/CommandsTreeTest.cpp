// The commands tree of the running main window: its menus and popup, the node each operation
// acts on, and learning a command's code through the learn dialog.

#include "CommandsTreeWorld.h"
#include "framework/win32/HandOver.h"
#include "ui/learn/win32/LearnForm.h"
#include "ui/password/win32/Password.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct CommandsTreeTest : ::testing::Test, test::CommandsTreeWorld {
    // The popup as Windows would show it: its items' captions and checks, one line each.
    std::vector<std::string> shown;
    std::function<UINT()> choose = [] { return 0u; };
    std::function<UINT(HMENU, int, int)> track =
        std::exchange(TPopupMenu::Track, [this](HMENU menu, int, int) {
            shown.clear();
            Describe(menu, "");
            return choose();
        });
    ~CommandsTreeTest() override { TPopupMenu::Track = track; }

    void Describe(HMENU menu, const std::string& indent) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[128] = {};
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            shown.push_back(indent + (text[0] ? text : "-") + ((state & MF_CHECKED) ? " [x]" : "") +
                            ((state & MF_GRAYED) ? " (off)" : ""));
            if (HMENU sub = GetSubMenu(menu, i))
                Describe(sub, indent + "  ");
        }
    }
    // A right click on the node's label, as the tree gets it from the mouse.
    void RightClick(const TCommandNode* node) {
        const RECT r = Row(node, true);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        // The tree waits for the release before it asks for its context menu.
        PostMessageA(form->CommandsTree->Handle(), WM_RBUTTONUP, 0, at);
        SendMessageA(form->CommandsTree->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    }
    UINT CommandOf(const char* name) {
        return static_cast<TMenuItem*>(form->FindComponent(name))->Command();
    }
};

TEST_F(CommandsTreeTest, ThePopupCopiesTheMenuWithTheClickedNodesStatesAndNeverGrows) {
    form->Settings().SetSounds({{"Chime", "chime.wav"}, {"R&B", "rnb.wav"}});
    form->Document().SetSound(volDown, "r&b");
    form->Document().SetTypematic(volDown, false);
    const std::vector<std::string> expected = {
        "Add new &remote",
        "Add new comman&d",
        "&Learn...",
        "-",
        "&Recognition enabled [x]",
        "&Typematic function",
        "&Play sound",
        "  None",
        "  Chime",
        "  R&&B [x]",
        "-",
        "Copy to &action trigger list (off)",
        "Rena&me",
        "D&elete",
    };
    for (int opening = 0; opening < 2; ++opening) {
        RightClick(volDown);
        EXPECT_EQ(form->CommandsView().Selected(), volDown);
        EXPECT_EQ(shown, expected) << "opening " << opening;
    }
    const std::size_t components = form->Components().size();
    RightClick(tv);
    EXPECT_EQ(form->Components().size(), components);
    EXPECT_EQ(shown[2], "&Learn... (off)") << "a remote learns nothing";
    EXPECT_EQ(shown[6], "&Play sound (off)");

    // A code fired while the popup is open selects its command; the item still acts on the
    // node that was clicked.
    choose = [&] {
        form->CommandsView().Select(power);
        return CommandOf("Sound0Copy");
    };
    RightClick(volUp);
    EXPECT_EQ(volUp->Data()->Sound, "Chime") << "the list entry's own name";
    EXPECT_EQ(power->Data()->Sound, "");
    choose = [&] { return CommandOf("NoneMenuCopy"); };
    RightClick(volUp);
    EXPECT_EQ(volUp->Data()->Sound, "") << "None stores nothing";
    choose = [&] { return CommandOf("EnabledMenuCopy"); };
    RightClick(tv);
    EXPECT_FALSE(volUp->Data()->Recognition || volDown->Data()->Recognition);
    EXPECT_TRUE(power->Data()->Recognition);
    EXPECT_TRUE(form->SaveMenu->Enabled());
}

TEST_F(CommandsTreeTest, DeleteFromThePopupAsksAboutAndDeletesTheClickedCommand) {
    Select(volUp);
    choose = [&] { return CommandOf("DeleteMenuCopy"); };
    RightClick(power);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Are you sure you want to delete the command 'Power'?");
    EXPECT_EQ(Shown(), "TV; Vol+; Vol-;Radio;");
}

// Windows' own activation puts the focus on the form itself; the tree that had it gets it back.
TEST_F(CommandsTreeTest, ActivatingTheWindowAgainGivesTheFocusBackToTheTree) {
    form->CommandsTree->SetFocus();
    SetFocus(form->Handle());
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_TRUE(form->CommandsTree->Focused());
}

TEST_F(CommandsTreeTest, APromptOutlivesNoChoiceOfNode) {
    // Each prompt is answered after a fired code selected another node.
    Select(volUp);
    TForm::ModalHook = [&](TForm& dialog) {
        Select(power);
        static_cast<TInputDlg&>(dialog).PasswordEdBx->SetText("Louder");
        return static_cast<int>(mrOk);
    };
    form->RenameMenuClick(form->RenameMenu);
    EXPECT_EQ(Shown(), "TV; Louder; Vol-;Radio; Power;");
    EXPECT_EQ(Document(), Shown());

    TSeamScope<MessageBoxFn> confirm(
        MessageBoxSeam(), [&](const std::string& text, const std::string& caption, UINT) {
            boxes.push_back(caption + ": " + text);
            Select(power);
            return IDYES;
        });
    Select(tv);
    form->DeleteMenuClick(form->DeleteMenu);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        boxes[0],
        "Delete remote: Are you sure you want to delete the remote 'TV' and all its commands?");
    EXPECT_EQ(Shown(), "Radio; Power;");
    EXPECT_EQ(Document(), Shown());

    // Cancel keeps the name and the document unmodified.
    form->Document().SetModified(false);
    TForm::ModalHook = [](TForm&) { return static_cast<int>(mrCancel); };
    Select(power);
    form->RenameMenuClick(form->RenameMenu);
    EXPECT_EQ(power->Text, "Power");
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(CommandsTreeTest, ShortcutsSeeTheStatesOfTheSelectionTheyArePressedFor) {
    int prompts = 0;
    TForm::ModalHook = [&](TForm&) {
        ++prompts;
        return static_cast<int>(mrCancel);
    };
    TMenuItem* menu = form->MainMenu1->Items();
    form->CommandsMenuClick(form->CommandsMenu); // nothing selected: the items are disabled
    Select(volUp);
    menu->DispatchShortCut(ShortCut('D', scCtrl));
    EXPECT_EQ(prompts, 1) << "Add new command asks for a name";
    form->CommandsMenuClick(form->CommandsMenu); // a command: Learn is enabled
    Select(tv);
    menu->DispatchShortCut(ShortCut('L', scCtrl));
    EXPECT_EQ(prompts, 1) << "a remote is not learned";

    // Copying to the trigger list needs a current action item; a remote gives all its commands.
    menu->DispatchShortCut(ShortCut('A', scCtrl));
    TAction* item = form->Document().AddAction(form->Document().DefaultLayout(), "Louder");
    form->Document().SetModified(false);
    menu->DispatchShortCut(ShortCut('A', scCtrl));
    EXPECT_EQ(item->TriggerCommands, (std::vector<TCommand*>{volUp->Data(), volDown->Data()}));
    EXPECT_TRUE(form->SaveMenu->Enabled());
}

TEST_F(CommandsTreeTest, EmptyNamesAreRefusedAndQuestionsCutLongNames) {
    const std::string refusal = "A name cannot be empty.";
    std::string typed;
    TForm::ModalHook = [&](TForm& dialog) {
        static_cast<TInputDlg&>(dialog).PasswordEdBx->SetText(typed);
        return static_cast<int>(mrOk);
    };
    Select(volUp);
    typed = " ";
    form->NewRemoteMenuClick(form->NewRemoteMenu);
    form->NewCommandMenuClick(form->NewCommandMenu);
    form->RenameMenuClick(form->RenameMenu);
    std::string edited;
    form->CommandsTreeEdited(form->CommandsTree, View(volUp), edited);
    EXPECT_EQ(edited, "Vol+") << "the in-place edit gives the old name back";
    EXPECT_EQ(boxes, std::vector<std::string>(4, refusal));
    EXPECT_EQ(Document(), "TV; Vol+; Vol-;Radio; Power;");
    EXPECT_EQ(Shown(), Document());
    EXPECT_FALSE(form->Document().Modified());

    typed = std::string(320, 'x');
    form->RenameMenuClick(form->RenameMenu);
    answer = IDNO;
    form->DeleteMenuClick(form->DeleteMenu);
    EXPECT_EQ(boxes.back(),
              "Are you sure you want to delete the command '" + std::string(57, 'x') + "...'?");
    EXPECT_EQ(volUp->Text.size(), 320u);
}

struct LearnCommandTest : CommandsTreeTest {
    THandOver handOver; // as the program has: what waits in the queue runs through it
    void Receive(std::vector<std::int32_t> values) {
        form->Receiver().ReceiveTimed([&](TReceivedCode& rc) { rc.Replace(values); },
                                      TDuringTimeOut::Discard);
        form->IRTimerTimer(form->IRTimer);
    }
};

TEST_F(LearnCommandTest, MatchingSamplesAreAveragedIntoTheCommandOnAccept) {
    Select(volUp);
    std::vector<COLORREF> circles;
    TCode codeOnceMessagesRun;
    TForm::ModalHook = [&](TForm& dialog) {
        auto& learn = static_cast<TLearnForm&>(dialog);
        EXPECT_EQ(form->IRTimer->Interval(), 300u);
        Receive({100, 200, 300});
        Receive({7, 7});
        EXPECT_FALSE(learn.AcceptBtn->Enabled()) << "the second sample does not match";
        Receive({102, 200, 300});
        EXPECT_TRUE(learn.AcceptBtn->Enabled());
        Receive({104, 200, 300});
        for (TLearnCircle* c : {learn.Circle1, learn.Circle2, learn.Circle3, learn.Circle4})
            circles.push_back(c->FillColor());
        // Runs as soon as messages run again after the dialog.
        THandOver::Queue([&] { codeOnceMessagesRun = TCode(volUp->Data()->Code()); });
        return static_cast<int>(mrOk);
    };
    form->LearnMenuClick(form->LearnMenu);
    EXPECT_EQ(circles, (std::vector<COLORREF>{0x00FF00, 0x0000FF, 0x00FF00, 0x00FF00}));
    const TCommand& code = *volUp->Data();
    EXPECT_EQ(TCode(code.Code()), (TCode{102, 200, 300}));
    EXPECT_EQ(codeOnceMessagesRun, TCode(code.Code())) << "a click or a code waiting meanwhile";
    EXPECT_EQ(View(volUp)->ImageIndex(), 3);
    EXPECT_TRUE(form->SaveMenu->Enabled());
    EXPECT_EQ(form->IRTimer->Interval(), 125u);
}

TEST_F(LearnCommandTest, CancelAndRestartKeepNothingAndRemotesAreNeverLearned) {
    Select(volDown);
    TForm::ModalHook = [&](TForm& dialog) {
        auto& learn = static_cast<TLearnForm&>(dialog);
        Receive({50, 60});
        Receive({50, 60});
        learn.RestartBtn->Click();
        EXPECT_FALSE(learn.AcceptBtn->Enabled());
        EXPECT_EQ(learn.Circle2->FillColor(), kLearnIdleColor);
        EXPECT_EQ(form->Document().LearnQueue.LastSample, -1);
        Receive({50, 60});
        Receive({50, 60});
        return static_cast<int>(mrCancel);
    };
    form->LearnMenuClick(form->LearnMenu);
    EXPECT_TRUE(volDown->Data()->Empty());
    EXPECT_FALSE(form->SaveMenu->Enabled());
    EXPECT_EQ(form->IRTimer->Interval(), 125u);

    int dialogs = 0;
    TForm::ModalHook = [&](TForm&) {
        ++dialogs;
        return static_cast<int>(mrOk);
    };
    Select(tv);
    form->LearnMenuClick(form->LearnMenu);
    EXPECT_EQ(dialogs, 0);
}

} // namespace
