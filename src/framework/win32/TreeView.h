#pragma once
// A tree view whose nodes carry a text, a data pointer and images; with label editing, hit
// tests, moving nodes and drag and drop.

#include "framework/win32/Controls.h"

#include <commctrl.h>

#include <memory>
#include <unordered_map>

namespace tav {

class TTreeView;
class TImageList;

enum class TNodeAttachMode { Add, AddFirst, AddChild, AddChildFirst, Insert };

// Hit-test results (any combination).
using THitTests = unsigned;
constexpr THitTests htAbove = 1, htBelow = 2, htNowhere = 4, htOnItem = 8, htOnButton = 16,
                    htOnIcon = 32, htOnIndent = 64, htOnLabel = 128, htOnRight = 256,
                    htOnStateIcon = 512, htToLeft = 1024, htToRight = 2048;

class TTreeNode {
public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    // Not owned: the program keeps what it stores here.
    void* Data = nullptr;
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);

    TTreeView* TreeView() const { return tree_; }
    HTREEITEM ItemId() const { return item_; }
    TTreeNode* Parent() const;
    int Level() const;
    // Children.
    int Count() const;
    TTreeNode* Item(int index) const;
    bool HasChildren() const { return GetFirstChild() != nullptr; }
    TTreeNode* GetFirstChild() const;
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in a depth-first walk of the whole tree.
    TTreeNode* GetNext() const;
    // Position among the siblings, and in a depth-first walk of the whole tree.
    int Index() const;
    int AbsoluteIndex() const;

    bool Expanded() const;
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void MakeVisible();
    // Starts editing the text in place.
    void EditText();
    // Frees the node and its children (OnDeletion fires for each).
    void Delete();
    // Moves the node with its children; nothing when `dest` lies inside the node.
    void MoveTo(TTreeNode* dest, TNodeAttachMode mode);

private:
    friend class TTreeView;
    TTreeNode(TTreeView* tree, std::string text) : tree_(tree), text_(std::move(text)) {}
    void Update(UINT mask);

    TTreeView* tree_;
    HTREEITEM item_ = nullptr;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
};

using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allow)>;
using TTVEditingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
// `text` is the edited text; the handler may change it before it goes into the node.
using TTVEditedEvent = std::function<void(TObject* sender, TTreeNode* node, std::string& text)>;

class TTreeView : public TControl {
public:
    TTreeView(TComponent* owner, TControl* parent, std::string name = {});
    ~TTreeView() override;

    // Adding: as the last or first sibling of `sibling` (top level when none), as the last or
    // first child of `parent`, or just before `sibling`.
    TTreeNode* Add(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text, void* data = nullptr);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text, void* data = nullptr);
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    void Clear();

    // Every node of the tree.
    int Count() const;
    TTreeNode* GetFirstNode() const;
    // The node at an absolute (depth-first) index.
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    void FullExpand();

    TTreeNode* GetNodeAt(int x, int y) const;
    THitTests GetHitTestInfoAt(int x, int y) const;
    bool IsEditing() const;

    // The list's pictures follow the tree's DPI.
    void SetImages(TImageList* images);
    // Label editing is allowed unless the tree is read-only.
    void SetReadOnly(bool readOnly);

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    TTVChangedEvent OnDeletion;

    TTreeNode* NodeOf(HTREEITEM item) const;
    bool FillsWidth() const override { return true; }
    // A label being edited takes Enter (to accept) and Escape (to cancel).
    bool WantsDialogKey(WORD key) const override {
        return (key == VK_RETURN || key == VK_ESCAPE) && IsEditing();
    }

    void ApplyDpi() override;

protected:
    void WndProc(TMessage& message) override;

private:
    friend class TTreeNode;
    // Before nodes come, go or move: an edit in progress is cancelled and one the last click
    // armed never starts, since the row it was meant for may now show another node.
    void Changing();
    TTreeNode* InsertNode(HTREEITEM parent, HTREEITEM after, std::unique_ptr<TTreeNode> node);
    TTreeNode* NewNode(HTREEITEM parent, HTREEITEM after, const std::string& text, void* data);
    HTREEITEM Relative(const TTreeNode* node, UINT relation) const;
    void MoveChildren(HTREEITEM from, HTREEITEM to);

    std::unordered_map<HTREEITEM, std::unique_ptr<TTreeNode>> nodes_;
    // Changes of the nodes and of the selection, counted; and their count at the last press
    // of the left button, which may arm the control's own edit of the selected node.
    unsigned changes_ = 0;
    unsigned changesAtPress_ = 0;
    bool editAsked_ = false; // EditText is starting an edit
    bool editing_ = false;
    TComponentRef<TImageList> images_{
        this, [this] { SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, 0); }};
};

} // namespace tav
