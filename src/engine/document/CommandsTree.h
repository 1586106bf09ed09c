#pragma once
// The commands tree: remotes (level 0) holding commands (level 1). Each node owns its record;
// `NodeIndex` of every record is kept equal to the node's depth-first index (first node 0).
// The tree is changed only through the document, which keeps the other links in step.

#include "engine/document/Records.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace tav {

class TCommandNode {
public:
    std::string Text; // the remote's or command's name

    TCommand* Data() const { return data_.get(); }
    TCommandNode* Parent() const { return parent_; }
    int Level() const { return parent_ ? 1 : 0; }
    bool IsRemote() const { return parent_ == nullptr; }
    const std::vector<std::unique_ptr<TCommandNode>>& Children() const { return children_; }
    int AbsoluteIndex() const { return data_->NodeIndex; }

private:
    friend class TCommandsTree;
    std::unique_ptr<TCommand> data_ = std::make_unique<TCommand>();
    TCommandNode* parent_ = nullptr;
    std::vector<std::unique_ptr<TCommandNode>> children_;
};

// The image of a node in the commands and trigger trees: 0 remote, 1 command not learned,
// 2 learned with recognition off, 3 learned with recognition on.
int NodeImageIndex(const TCommandNode& node);

// Where a dragged node lands on its target: on the target's label or icon, or beside it (the
// indent area or no item part at all).
enum class TDropPlace { OnLabel, Beside };

class TCommandsTree {
public:
    const std::vector<std::unique_ptr<TCommandNode>>& Remotes() const { return remotes_; }
    int Count() const { return count_; }
    // The node at an absolute index, or nullptr when there is none.
    TCommandNode* NodeAt(int index) const;
    // Every node in absolute order.
    std::vector<TCommandNode*> Nodes() const;
    // Whether `node` is a node of the tree. It is only compared, never followed, so it may be
    // one that was deleted. One walk over the tree: for many nodes use TCommandNodeSet.
    bool Holds(const TCommandNode* node) const;
    // A command may be dropped on any node, a remote only on a remote.
    static bool CanDrop(const TCommandNode* dragged, const TCommandNode* target);
    // Sets every record's NodeIndex from the node's place.
    void RenumberTree();

private:
    friend class TDocument;
    TCommandNode* AppendRemote(std::string text);
    // Before `selected` when it is a command; as the last command when it is a remote.
    TCommandNode* InsertCommand(TCommandNode* selected, std::string text);
    // Removes a command, or a remote without commands, and hands its node back.
    std::unique_ptr<TCommandNode> Remove(TCommandNode* node);
    bool Move(TCommandNode* dragged, TCommandNode* target, TDropPlace place);
    void Clear();

    std::vector<std::unique_ptr<TCommandNode>>& SiblingsOf(TCommandNode* node);
    void RenumberFrom(std::size_t remote);

    std::vector<std::unique_ptr<TCommandNode>> remotes_;
    int count_ = 0;
};

// The nodes a tree had when the set was made, each found in constant time: for telling which of
// the many nodes a view shows the document still has, in one pass.
class TCommandNodeSet {
public:
    explicit TCommandNodeSet(const TCommandsTree& tree);
    // The node at `address` when it is one of the set's; `address` is never followed.
    TCommandNode* Find(const void* address) const;

private:
    std::unordered_set<const void*> nodes_;
};

} // namespace tav
