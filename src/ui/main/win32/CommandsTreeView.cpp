#include "ui/main/win32/CommandsTreeView.h"

#include "ui/main/win32/CommandImages.h"

#include <algorithm>

namespace tav {

namespace {

// The node that follows `node` among its siblings in the document; none for the last one.
const TCommandNode* NextSibling(const TDocument& doc, const TCommandNode* node) {
    const auto& siblings = node->IsRemote() ? doc.Tree().Remotes() : node->Parent()->Children();
    const auto it = std::find_if(siblings.begin(), siblings.end(),
                                 [node](const auto& n) { return n.get() == node; });
    return it == siblings.end() || it + 1 == siblings.end() ? nullptr : (it + 1)->get();
}

} // namespace

TCommandsTreeView::TCommandsTreeView(TTreeView& view, const TDocument& doc)
    : view_(view), doc_(doc) {}

void TCommandsTreeView::SetImages(TTreeNode& view, const TCommandNode& node) {
    view.SetImageIndex(NodeImageIndex(node));
    view.SetSelectedIndex(node.IsRemote() ? 0 : kSelectedCommandImage);
}

void TCommandsTreeView::Fill() {
    view_.Clear();
    for (const auto& remote : doc_.Tree().Remotes()) {
        TTreeNode* r = view_.Add(nullptr, remote->Text, remote.get());
        SetImages(*r, *remote);
        for (const auto& command : remote->Children())
            SetImages(*view_.AddChild(r, command->Text, command.get()), *command);
    }
    view_.FullExpand();
}

TCommandNode* TCommandsTreeView::Selected() const {
    return ModelOf(view_.Selected());
}

void TCommandsTreeView::Select(TCommandNode* node) {
    view_.SetSelected(ViewOf(node));
}

bool TCommandsTreeView::Holds(const TCommandNode* node) const {
    return doc_.Tree().Holds(node);
}

TCommandNode* TCommandsTreeView::ModelOf(const TTreeNode* node) const {
    auto* model = node != nullptr ? static_cast<TCommandNode*>(node->Data) : nullptr;
    return Holds(model) ? model : nullptr;
}

TTreeNode* TCommandsTreeView::ViewOf(const TCommandNode* node) const {
    if (node == nullptr)
        return nullptr;
    for (TTreeNode* n = view_.GetFirstNode(); n != nullptr; n = n->GetNext())
        if (n->Data == node)
            return n;
    return nullptr;
}

TTreeNode* TCommandsTreeView::AddView(TCommandNode* node, TTreeNode* next) {
    if (next != nullptr)
        return view_.Insert(next, node->Text, node);
    if (!node->IsRemote())
        return view_.AddChild(ViewOf(node->Parent()), node->Text, node);
    return view_.Add(nullptr, node->Text, node);
}

void TCommandsTreeView::Placed(TCommandNode* node) {
    TTreeNode* next = ViewOf(NextSibling(doc_, node));
    TTreeNode* shown = ViewOf(node);
    if (shown == nullptr) {
        shown = AddView(node, next);
    } else if (next != nullptr) {
        shown->MoveTo(next, TNodeAttachMode::Insert);
    } else if (!node->IsRemote()) {
        shown->MoveTo(ViewOf(node->Parent()), TNodeAttachMode::AddChild);
    } else {
        shown->MoveTo(nullptr, TNodeAttachMode::Add);
    }
    SetImages(*shown, *node);
    if (TTreeNode* parent = shown->Parent())
        parent->Expand(false);
}

void TCommandsTreeView::Deleting(TCommandNode* node) {
    if (TTreeNode* shown = ViewOf(node))
        shown->Delete();
}

void TCommandsTreeView::Refresh() {
    // One look-up of the document's nodes for the whole pass, and only what changed is told
    // to the control: a refresh follows every rename, switch and learning, on large documents
    // too.
    const TCommandNodeSet held(doc_.Tree());
    for (TTreeNode* n = view_.GetFirstNode(); n != nullptr; n = n->GetNext())
        if (const TCommandNode* model = held.Find(n->Data)) {
            if (n->Text() != model->Text)
                n->SetText(model->Text);
            if (n->ImageIndex() != NodeImageIndex(*model))
                SetImages(*n, *model);
        }
}

void TCommandsTreeView::Changed() const {
    if (OnChanged)
        OnChanged();
}

} // namespace tav
