#include "engine/document/CommandsTree.h"

#include <algorithm>

namespace tav {

namespace {

std::size_t PositionIn(const std::vector<std::unique_ptr<TCommandNode>>& list,
                       const TCommandNode* n) {
    const auto it =
        std::find_if(list.begin(), list.end(), [n](const auto& p) { return p.get() == n; });
    return static_cast<std::size_t>(it - list.begin());
}

} // namespace

int NodeImageIndex(const TCommandNode& node) {
    if (node.IsRemote())
        return 0;
    if (node.Data()->Empty())
        return 1;
    return node.Data()->Recognition ? 3 : 2;
}

TCommandNode* TCommandsTree::NodeAt(int index) const {
    if (index < 0 || index >= count_)
        return nullptr;
    // Remotes are numbered in ascending order, so the owner of `index` is the last remote that
    // does not come after it.
    const auto it = std::upper_bound(remotes_.begin(), remotes_.end(), index,
                                     [](int i, const auto& r) { return i < r->AbsoluteIndex(); });
    TCommandNode* remote = (it - 1)->get();
    const int offset = index - remote->AbsoluteIndex();
    return offset == 0 ? remote : remote->children_[static_cast<std::size_t>(offset - 1)].get();
}

std::vector<TCommandNode*> TCommandsTree::Nodes() const {
    std::vector<TCommandNode*> nodes;
    nodes.reserve(static_cast<std::size_t>(count_));
    for (const auto& r : remotes_) {
        nodes.push_back(r.get());
        for (const auto& c : r->children_)
            nodes.push_back(c.get());
    }
    return nodes;
}

bool TCommandsTree::Holds(const TCommandNode* node) const {
    if (node == nullptr)
        return false;
    for (const auto& r : remotes_) {
        if (r.get() == node)
            return true;
        for (const auto& c : r->children_)
            if (c.get() == node)
                return true;
    }
    return false;
}

TCommandNodeSet::TCommandNodeSet(const TCommandsTree& tree) {
    nodes_.reserve(static_cast<std::size_t>(tree.Count()));
    for (const auto& remote : tree.Remotes()) {
        nodes_.insert(remote.get());
        for (const auto& command : remote->Children())
            nodes_.insert(command.get());
    }
}

TCommandNode* TCommandNodeSet::Find(const void* address) const {
    // Only an address found in the set is taken as a node.
    return nodes_.contains(address) ? static_cast<TCommandNode*>(const_cast<void*>(address))
                                    : nullptr;
}

bool TCommandsTree::CanDrop(const TCommandNode* dragged, const TCommandNode* target) {
    return dragged && target && (target->IsRemote() || !dragged->IsRemote());
}

void TCommandsTree::RenumberTree() {
    RenumberFrom(0);
}

void TCommandsTree::RenumberFrom(std::size_t remote) {
    int i = remote == 0 ? 0
                        : remotes_[remote - 1]->AbsoluteIndex() + 1 +
                              static_cast<int>(remotes_[remote - 1]->children_.size());
    for (std::size_t r = remote; r < remotes_.size(); ++r) {
        remotes_[r]->data_->NodeIndex = i++;
        for (const auto& c : remotes_[r]->children_)
            c->data_->NodeIndex = i++;
    }
    count_ = i;
}

TCommandNode* TCommandsTree::AppendRemote(std::string text) {
    auto node = std::make_unique<TCommandNode>();
    node->Text = std::move(text);
    node->data_->NodeIndex = count_++;
    remotes_.push_back(std::move(node));
    return remotes_.back().get();
}

TCommandNode* TCommandsTree::InsertCommand(TCommandNode* selected, std::string text) {
    TCommandNode* remote = selected->IsRemote() ? selected : selected->parent_;
    auto node = std::make_unique<TCommandNode>();
    node->Text = std::move(text);
    node->parent_ = remote;
    TCommandNode* added = node.get();
    auto& kids = remote->children_;
    const auto at = selected->IsRemote()
                        ? kids.end()
                        : kids.begin() + static_cast<std::ptrdiff_t>(PositionIn(kids, selected));
    const bool appendedLast = at == kids.end() && remote == remotes_.back().get();
    kids.insert(at, std::move(node));
    if (appendedLast) {
        // The file reader adds every command this way: numbering the whole remote again for
        // each one would make loading a large remote quadratic.
        added->data_->NodeIndex = count_++;
    } else {
        RenumberFrom(PositionIn(remotes_, remote));
    }
    return added;
}

std::vector<std::unique_ptr<TCommandNode>>& TCommandsTree::SiblingsOf(TCommandNode* node) {
    return node->IsRemote() ? remotes_ : node->parent_->children_;
}

std::unique_ptr<TCommandNode> TCommandsTree::Remove(TCommandNode* node) {
    const std::size_t remote = PositionIn(remotes_, node->IsRemote() ? node : node->parent_);
    auto& siblings = SiblingsOf(node);
    const auto it = siblings.begin() + static_cast<std::ptrdiff_t>(PositionIn(siblings, node));
    std::unique_ptr<TCommandNode> taken = std::move(*it);
    siblings.erase(it);
    RenumberFrom(remote);
    return taken;
}

bool TCommandsTree::Move(TCommandNode* dragged, TCommandNode* target, TDropPlace place) {
    if (!CanDrop(dragged, target) || dragged == target)
        return false;
    auto& from = SiblingsOf(dragged);
    const auto fromIt = from.begin() + static_cast<std::ptrdiff_t>(PositionIn(from, dragged));
    std::unique_ptr<TCommandNode> node = std::move(*fromIt);
    from.erase(fromIt);

    if (target->IsRemote() && dragged->IsRemote()) {
        remotes_.insert(remotes_.begin() +
                            static_cast<std::ptrdiff_t>(PositionIn(remotes_, target)),
                        std::move(node));
    } else if (target->IsRemote()) {
        node->parent_ = target;
        target->children_.insert(target->children_.begin(), std::move(node));
    } else {
        TCommandNode* remote = target->parent_;
        node->parent_ = remote;
        auto& kids = remote->children_;
        const auto at = place == TDropPlace::OnLabel
                            ? kids.begin() + static_cast<std::ptrdiff_t>(PositionIn(kids, target))
                            : kids.end();
        kids.insert(at, std::move(node));
    }
    RenumberTree();
    return true;
}

void TCommandsTree::Clear() {
    remotes_.clear();
    count_ = 0;
}

} // namespace tav
