#include "framework/win32/TreeView.h"

#include "framework/win32/ComCtrls.h"

#include <utility>

namespace tav {

// ----- nodes -----------------------------------------------------------------------------

void TTreeNode::Update(UINT mask) {
    TVITEMA item{};
    item.mask = mask;
    item.hItem = item_;
    item.pszText = text_.data();
    item.iImage = imageIndex_;
    item.iSelectedImage = selectedIndex_;
    SendMessageA(tree_->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const std::string& text) {
    text_ = text;
    Update(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    Update(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    Update(TVIF_SELECTEDIMAGE);
}

TTreeNode* TTreeNode::Parent() const {
    return tree_->NodeOf(tree_->Relative(this, TVGN_PARENT));
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = Parent(); p != nullptr; p = p->Parent())
        ++level;
    return level;
}

int TTreeNode::Count() const {
    int n = 0;
    for (TTreeNode* c = GetFirstChild(); c != nullptr; c = c->GetNextSibling())
        ++n;
    return n;
}

TTreeNode* TTreeNode::Item(int index) const {
    TTreeNode* c = GetFirstChild();
    for (; c != nullptr && index > 0; --index)
        c = c->GetNextSibling();
    return c;
}

TTreeNode* TTreeNode::GetFirstChild() const {
    return tree_->NodeOf(tree_->Relative(this, TVGN_CHILD));
}

TTreeNode* TTreeNode::GetNextSibling() const {
    return tree_->NodeOf(tree_->Relative(this, TVGN_NEXT));
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    return tree_->NodeOf(tree_->Relative(this, TVGN_PREVIOUS));
}

TTreeNode* TTreeNode::GetNext() const {
    if (TTreeNode* child = GetFirstChild())
        return child;
    for (const TTreeNode* n = this; n != nullptr; n = n->Parent())
        if (TTreeNode* next = n->GetNextSibling())
            return next;
    return nullptr;
}

int TTreeNode::Index() const {
    int index = 0;
    for (TTreeNode* p = GetPrevSibling(); p != nullptr; p = p->GetPrevSibling())
        ++index;
    return index;
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (TTreeNode* n = tree_->GetFirstNode(); n != nullptr && n != this; n = n->GetNext())
        ++index;
    return index;
}

bool TTreeNode::Expanded() const {
    return (SendMessageA(tree_->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_),
                         TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
}

void TTreeNode::Expand(bool recurse) {
    SendMessageA(tree_->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    if (recurse)
        for (TTreeNode* c = GetFirstChild(); c != nullptr; c = c->GetNextSibling())
            c->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    SendMessageA(tree_->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
    if (recurse)
        for (TTreeNode* c = GetFirstChild(); c != nullptr; c = c->GetNextSibling())
            c->Collapse(true);
}

bool TTreeNode::Selected() const {
    return tree_->Selected() == this;
}

void TTreeNode::MakeVisible() {
    SendMessageA(tree_->Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item_));
}

void TTreeNode::EditText() {
    tree_->SetFocus();
    const bool wasAsked = std::exchange(tree_->editAsked_, true);
    SendMessageA(tree_->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item_));
    tree_->editAsked_ = wasAsked;
}

void TTreeNode::Delete() {
    tree_->Changing();
    SendMessageA(tree_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item_));
}

void TTreeNode::MoveTo(TTreeNode* dest, TNodeAttachMode mode) {
    for (TTreeNode* p = dest; p != nullptr; p = p->Parent())
        if (p == this)
            return;
    HTREEITEM parent = TVI_ROOT;
    HTREEITEM after = TVI_LAST;
    switch (mode) {
    case TNodeAttachMode::Add:
    case TNodeAttachMode::AddFirst:
        if (dest != nullptr && dest->Parent() != nullptr)
            parent = dest->Parent()->item_;
        after = mode == TNodeAttachMode::Add ? TVI_LAST : TVI_FIRST;
        break;
    case TNodeAttachMode::AddChild:
    case TNodeAttachMode::AddChildFirst:
        if (dest != nullptr)
            parent = dest->item_;
        after = mode == TNodeAttachMode::AddChild ? TVI_LAST : TVI_FIRST;
        break;
    case TNodeAttachMode::Insert:
        if (dest != nullptr) {
            if (dest->Parent() != nullptr)
                parent = dest->Parent()->item_;
            TTreeNode* before = dest->GetPrevSibling();
            after = before != nullptr ? before->item_ : TVI_FIRST;
        }
        break;
    }
    // The control cannot move an item: the node (and its children) get new items, the old
    // ones go; their deletion notices no longer name a node.
    const bool expanded = Expanded();
    const bool selected = Selected();
    const HTREEITEM old = item_;
    auto self = std::move(tree_->nodes_.at(old));
    tree_->nodes_.erase(old);
    tree_->InsertNode(parent, after, std::move(self));
    tree_->MoveChildren(old, item_);
    if (selected)
        tree_->SetSelected(this);
    SendMessageA(tree_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(old));
    if (expanded)
        Expand(false);
}

// ----- tree ------------------------------------------------------------------------------

TTreeView::TTreeView(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {WC_TREEVIEWA,
                WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                    TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                WS_EX_CLIENTEDGE, 121, 97}) {}

TTreeView::~TTreeView() {
    // Deleting the items sends selection and deletion notices that no handler should see.
    BeginDestruction();
    SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    nodes_.clear();
}

TTreeNode* TTreeView::NodeOf(HTREEITEM item) const {
    if (item == nullptr)
        return nullptr;
    auto it = nodes_.find(item);
    return it == nodes_.end() ? nullptr : it->second.get();
}

HTREEITEM TTreeView::Relative(const TTreeNode* node, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(Handle(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(node->item_)));
}

void TTreeView::Changing() {
    ++changes_;
    if (editing_) {
        editing_ = false;
        SendMessageA(Handle(), TVM_ENDEDITLABELNOW, TRUE, 0);
    }
}

TTreeNode* TTreeView::InsertNode(HTREEITEM parent, HTREEITEM after,
                                 std::unique_ptr<TTreeNode> node) {
    Changing();
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = node->text_.data();
    insert.item.iImage = node->imageIndex_;
    insert.item.iSelectedImage = node->selectedIndex_;
    insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item == nullptr)
        throw std::runtime_error("The tree cannot take another node.");
    node->item_ = item;
    TTreeNode* result = node.get();
    nodes_[item] = std::move(node);
    return result;
}

void TTreeView::MoveChildren(HTREEITEM from, HTREEITEM to) {
    auto child = reinterpret_cast<HTREEITEM>(
        SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(from)));
    while (child != nullptr) {
        auto next = reinterpret_cast<HTREEITEM>(
            SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
        if (auto it = nodes_.find(child); it != nodes_.end()) {
            const bool expanded = it->second->Expanded();
            auto node = std::move(it->second);
            nodes_.erase(it);
            TTreeNode* moved = InsertNode(to, TVI_LAST, std::move(node));
            MoveChildren(child, moved->item_);
            if (expanded)
                moved->Expand(false);
        }
        child = next;
    }
}

TTreeNode* TTreeView::NewNode(HTREEITEM parent, HTREEITEM after, const std::string& text,
                              void* data) {
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(this, text));
    node->Data = data;
    return InsertNode(parent, after, std::move(node));
}

TTreeNode* TTreeView::Add(TTreeNode* sibling, const std::string& text, void* data) {
    TTreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
    return NewNode(parent ? parent->item_ : TVI_ROOT, TVI_LAST, text, data);
}

TTreeNode* TTreeView::AddFirst(TTreeNode* sibling, const std::string& text, void* data) {
    TTreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
    return NewNode(parent ? parent->item_ : TVI_ROOT, TVI_FIRST, text, data);
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text, void* data) {
    return NewNode(parent ? parent->item_ : TVI_ROOT, TVI_LAST, text, data);
}

TTreeNode* TTreeView::AddChildFirst(TTreeNode* parent, const std::string& text, void* data) {
    return NewNode(parent ? parent->item_ : TVI_ROOT, TVI_FIRST, text, data);
}

TTreeNode* TTreeView::Insert(TTreeNode* sibling, const std::string& text, void* data) {
    if (sibling == nullptr)
        return Add(nullptr, text, data);
    TTreeNode* parent = sibling->Parent();
    TTreeNode* before = sibling->GetPrevSibling();
    return NewNode(parent ? parent->item_ : TVI_ROOT, before ? before->item_ : TVI_FIRST, text,
                   data);
}

void TTreeView::Clear() {
    Changing();
    SendMessageA(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

int TTreeView::Count() const {
    return static_cast<int>(SendMessageA(Handle(), TVM_GETCOUNT, 0, 0));
}

TTreeNode* TTreeView::GetFirstNode() const {
    return NodeOf(
        reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

TTreeNode* TTreeView::Item(int absoluteIndex) const {
    TTreeNode* n = absoluteIndex < 0 ? nullptr : GetFirstNode();
    for (; n != nullptr && absoluteIndex > 0; --absoluteIndex)
        n = n->GetNext();
    return n;
}

TTreeNode* TTreeView::Selected() const {
    return NodeOf(
        reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TTreeView::SetSelected(TTreeNode* node) {
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(node != nullptr ? node->item_ : nullptr));
}

void TTreeView::FullExpand() {
    for (TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNextSibling())
        n->Expand(true);
}

TTreeNode* TTreeView::GetNodeAt(int x, int y) const {
    TVHITTESTINFO info{};
    info.pt = {x, y};
    SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    return (info.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT))
               ? NodeOf(info.hItem)
               : nullptr;
}

THitTests TTreeView::GetHitTestInfoAt(int x, int y) const {
    TVHITTESTINFO info{};
    info.pt = {x, y};
    SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info));
    static constexpr std::pair<UINT, THitTests> kMap[] = {
        {TVHT_ABOVE, htAbove},
        {TVHT_BELOW, htBelow},
        {TVHT_NOWHERE, htNowhere},
        {TVHT_ONITEMBUTTON, htOnButton},
        {TVHT_ONITEMICON, htOnIcon},
        {TVHT_ONITEMINDENT, htOnIndent},
        {TVHT_ONITEMLABEL, htOnLabel},
        {TVHT_ONITEMRIGHT, htOnRight},
        {TVHT_ONITEMSTATEICON, htOnStateIcon},
        {TVHT_TOLEFT, htToLeft},
        {TVHT_TORIGHT, htToRight},
    };
    THitTests result = 0;
    for (const auto& [flag, hit] : kMap)
        if (info.flags & flag)
            result |= hit;
    if (info.flags & TVHT_ONITEM)
        result |= htOnItem;
    return result;
}

bool TTreeView::IsEditing() const {
    return SendMessageA(Handle(), TVM_GETEDITCONTROL, 0, 0) != 0;
}

void TTreeView::SetImages(TImageList* images) {
    images_ = images;
    if (images_)
        images_->FollowDpi(Dpi());
    // Setting the list again makes the rows as high as its pictures.
    SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
}

void TTreeView::ApplyDpi() {
    TControl::ApplyDpi();
    if (images_)
        SetImages(images_);
}

void TTreeView::SetReadOnly(bool readOnly) {
    LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE,
                   readOnly ? style & ~TVS_EDITLABELS : style | TVS_EDITLABELS);
}

void TTreeView::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN)
        changesAtPress_ = changes_;
    if (m.Msg != CN_NOTIFY) {
        TControl::WndProc(m);
        return;
    }
    // The A and W forms differ only in the text pointer, which only the end of editing reads.
    auto* tv = reinterpret_cast<NMTREEVIEWA*>(m.LParam);
    switch (tv->hdr.code) {
    case TVN_SELCHANGINGA:
    case TVN_SELCHANGINGW: {
        bool allow = true;
        Fire(OnChanging, this, NodeOf(tv->itemNew.hItem), allow);
        m.Result = allow ? FALSE : TRUE;
        return;
    }
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        ++changes_;
        Fire(OnChange, this, NodeOf(tv->itemNew.hItem));
        return;
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW:
        if (auto it = nodes_.find(tv->itemOld.hItem); it != nodes_.end()) {
            auto node = std::move(it->second);
            nodes_.erase(it);
            Fire(OnDeletion, this, node.get());
        }
        return;
    case TVN_BEGINLABELEDITA:
    case TVN_BEGINLABELEDITW: {
        // The control starts an edit a moment after a click on the selected node; whatever
        // changed in between cancels it.
        TTreeNode* node = NodeOf(reinterpret_cast<NMTVDISPINFOA*>(m.LParam)->item.hItem);
        bool allow = node != nullptr && (editAsked_ || changes_ == changesAtPress_);
        if (allow)
            Fire(OnEditing, this, node, allow);
        editing_ = allow;
        m.Result = allow ? FALSE : TRUE;
        return;
    }
    case TVN_ENDLABELEDITA:
    case TVN_ENDLABELEDITW: {
        editing_ = false;
        const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(m.LParam)->item;
        TTreeNode* node = NodeOf(item.hItem);
        if (node == nullptr || item.pszText == nullptr)
            return; // cancelled
        std::string text;
        if (tv->hdr.code == TVN_ENDLABELEDITA) {
            text = item.pszText;
        } else {
            const auto* wide = reinterpret_cast<const wchar_t*>(item.pszText);
            int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
            text.resize(static_cast<size_t>(std::max(n, 1)));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), n, nullptr, nullptr);
            text.resize(static_cast<size_t>(std::max(n - 1, 0)));
        }
        Fire(OnEdited, this, node, text);
        if (NodeOf(item.hItem) == node)
            node->SetText(text);
        return;
    }
    case NM_RCLICK: {
        // The control leaves the context menu to its parent's answer here, and some versions
        // never ask for it afterwards: it is asked for here, where the button was released.
        const DWORD at = GetMessagePos();
        Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), static_cast<LPARAM>(at));
        m.Result = 1;
        return;
    }
    case TVN_BEGINDRAGA:
    case TVN_BEGINDRAGW:
        // The tree starts a drag before it selects what the mouse went down on: the dragged
        // node becomes the selected one, which the drop handlers take as what was dragged.
        if (DragMode == TDragMode::Automatic) {
            SetSelected(NodeOf(tv->itemNew.hItem));
            BeginDrag();
        }
        return;
    default:
        break;
    }
    TControl::WndProc(m);
}

} // namespace tav
