#include "framework/win32/TreeView.h"
#include "Pump.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct TreeViewTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    TTreeView* tree = new TTreeView(form, form, "CommandsTree");
    TTreeNode* tv = nullptr;
    TTreeNode* power = nullptr;
    TTreeNode* mute = nullptr;
    TTreeNode* radio = nullptr;
    int records[4] = {};
    TreeViewTest() {
        tree->SetBounds(0, 0, 200, 300);
        tv = tree->Add(nullptr, "TV", &records[0]);
        power = tree->AddChild(tv, "Power", &records[1]);
        mute = tree->AddChild(tv, "Mute", &records[2]);
        radio = tree->Add(tv, "Radio", &records[3]);
        tree->FullExpand();
    }
    ~TreeViewTest() override { delete form; }

    std::vector<std::string> Walk() const {
        std::vector<std::string> texts;
        for (TTreeNode* n = tree->GetFirstNode(); n != nullptr; n = n->GetNext())
            texts.push_back(std::string(static_cast<size_t>(n->Level()), '-') + n->Text());
        return texts;
    }
};

TEST_F(TreeViewTest, NodesKnowTheirPlaceAndData) {
    EXPECT_EQ(Walk(), (std::vector<std::string>{"TV", "-Power", "-Mute", "Radio"}));
    EXPECT_EQ(mute->Parent(), tv);
    EXPECT_EQ(mute->Index(), 1);
    EXPECT_EQ(mute->AbsoluteIndex(), 2);
    EXPECT_EQ(tree->Item(3), radio);
    EXPECT_EQ(tree->Count(), 4);
    EXPECT_EQ(tv->Count(), 2);
    EXPECT_EQ(mute->Data, &records[2]);
    auto* first = tree->Insert(mute, "Volume");
    auto* top = tree->AddChildFirst(tv, "Input");
    EXPECT_EQ(Walk(),
              (std::vector<std::string>{"TV", "-Input", "-Power", "-Volume", "-Mute", "Radio"}));
    EXPECT_EQ(first->Parent(), tv);
    EXPECT_EQ(top->Index(), 0);
}

TEST_F(TreeViewTest, MovingANodeTakesItsChildrenAndKeepsTheNodeObjects) {
    auto* child = tree->AddChild(radio, "Band");
    tree->SetSelected(radio);
    radio->MoveTo(power, TNodeAttachMode::Insert);
    EXPECT_EQ(Walk(), (std::vector<std::string>{"TV", "-Radio", "--Band", "-Power", "-Mute"}));
    EXPECT_EQ(child->Parent(), radio);
    EXPECT_EQ(radio->Data, &records[3]);
    EXPECT_EQ(tree->Selected(), radio);
    mute->MoveTo(tv, TNodeAttachMode::AddChildFirst);
    EXPECT_EQ(Walk(), (std::vector<std::string>{"TV", "-Mute", "-Radio", "--Band", "-Power"}));
    tv->MoveTo(child, TNodeAttachMode::AddChild); // into its own subtree: refused
    EXPECT_EQ(tree->Count(), 5);
    EXPECT_EQ(tv->Parent(), nullptr);
}

TEST_F(TreeViewTest, DeletingFiresForEveryNodeAndSelectionChangesAreReported) {
    std::vector<std::string> deleted;
    tree->OnDeletion = [&](TObject*, TTreeNode* n) { deleted.push_back(n->Text()); };
    std::vector<TTreeNode*> changes;
    tree->OnChange = [&](TObject*, TTreeNode* n) { changes.push_back(n); };
    bool allow = false;
    tree->OnChanging = [&](TObject*, TTreeNode*, bool& a) { a = allow; };
    tree->SetSelected(mute);
    EXPECT_TRUE(changes.empty());
    allow = true;
    tree->SetSelected(mute);
    EXPECT_EQ(changes, (std::vector<TTreeNode*>{mute}));
    tv->Delete();
    EXPECT_EQ(deleted.size(), 3u);
    EXPECT_EQ(Walk(), (std::vector<std::string>{"Radio"}));
}

TEST_F(TreeViewTest, InPlaceEditPassesTheTextThroughOnEdited) {
    form->Show();
    tree->OnEdited = [](TObject*, TTreeNode*, std::string& text) { text += "!"; };
    mute->EditText();
    HWND editor = reinterpret_cast<HWND>(SendMessageA(tree->Handle(), TVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(tree->IsEditing());
    SetWindowTextA(editor, "Silence");
    SendMessageA(tree->Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_EQ(mute->Text(), "Silence!");
    // A refusing OnEditing keeps the editor closed.
    tree->OnEditing = [](TObject*, TTreeNode*, bool& allowEdit) { allowEdit = false; };
    power->EditText();
    EXPECT_FALSE(tree->IsEditing());
}

TEST_F(TreeViewTest, HitTestAndDragAndDropBetweenControls) {
    // Dropping finds the window under the point; keep other tests' windows from covering it.
    form->SetBounds(700, 500, 260, 360);
    form->SetStayOnTop(true);
    form->Show();
    // The request names the item in the place of the rectangle it asks for.
    union {
        RECT rect;
        HTREEITEM item;
    } ask{};
    ask.item = radio->ItemId();
    ASSERT_TRUE(
        SendMessageA(tree->Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&ask)));
    const RECT r = ask.rect;
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    EXPECT_EQ(tree->GetNodeAt(x, y), radio);
    EXPECT_TRUE(tree->GetHitTestInfoAt(x, y) & htOnItem);
    EXPECT_TRUE(tree->GetHitTestInfoAt(x, 290) & htNowhere);
    EXPECT_EQ(tree->GetNodeAt(x, 290), nullptr);

    std::vector<TDragState> states;
    TObject* droppedFrom = nullptr;
    POINT droppedAt{};
    tree->OnDragOver = [&](TObject*, TObject* source, int, int, TDragState s, bool& accept) {
        states.push_back(s);
        accept = source == tree;
    };
    tree->OnDragDrop = [&](TObject*, TObject* source, int dx, int dy) {
        droppedFrom = source;
        droppedAt = {dx, dy};
    };
    tree->BeginDrag();
    POINT p{x, y};
    ClientToScreen(tree->Handle(), &p);
    TControl::DragTo(p);
    TControl::DragTo(p);
    TControl::EndDrag(true);
    EXPECT_EQ(states, (std::vector<TDragState>{TDragState::Enter, TDragState::Move}));
    EXPECT_EQ(droppedFrom, tree);
    EXPECT_EQ(droppedAt.x, x);
    EXPECT_EQ(droppedAt.y, y);
    EXPECT_EQ(TControl::DragSource(), nullptr);
}

TEST_F(TreeViewTest, AnAutomaticDragSelectsTheNodeItStartsFrom) {
    tree->SetSelected(tv);
    tree->DragMode = TDragMode::Automatic;
    NMTREEVIEWA begin{};
    begin.hdr = {tree->Handle(), 0, TVN_BEGINDRAGA};
    begin.itemNew.hItem = mute->ItemId();
    SendMessageA(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&begin));
    EXPECT_EQ(TControl::DragSource(), tree);
    EXPECT_EQ(tree->Selected(), mute);
    TControl::EndDrag(false);
}

} // namespace
