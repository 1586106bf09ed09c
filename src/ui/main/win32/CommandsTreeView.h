#pragma once
// The document's commands tree as a tree view shows it: one view node per node of the
// document, in the same order, each carrying its document node. The document changes first;
// the view is then told where to show the change. It is also the recognizer's way to select
// a fired command.

#include "engine/document/Document.h"
#include "engine/recognition/RecognitionPorts.h"
#include "framework/win32/TreeView.h"

#include <functional>

namespace tav {

class TCommandsTreeView : public ITreeSelection {
public:
    TCommandsTreeView(TTreeView& view, const TDocument& doc);

    // Shows the document's whole tree anew, expanded, with nothing selected.
    void Fill();
    TCommandNode* Selected() const;
    // Selects as a user would; nullptr clears the selection.
    void Select(TCommandNode* node) override;
    // The document's node shown by `node`; none when the document no longer has it.
    TCommandNode* ModelOf(const TTreeNode* node) const;
    TTreeNode* ViewOf(const TCommandNode* node) const;
    // Whether `node` is still a node of the document: a prompt may have outlived it.
    bool Holds(const TCommandNode* node) const;

    // `node` was added or moved in the document: it is shown at its place there.
    void Placed(TCommandNode* node);
    // Before the document deletes `node` (with its commands).
    void Deleting(TCommandNode* node);
    // After a rename or a change of the records: texts and pictures follow the document.
    void Refresh();

    // Told after every change that the action-items panel shows (names, pictures, remotes,
    // trigger lists).
    std::function<void()> OnChanged;
    void Changed() const;

private:
    TTreeNode* AddView(TCommandNode* node, TTreeNode* next);
    static void SetImages(TTreeNode& view, const TCommandNode& node);

    TTreeView& view_;
    const TDocument& doc_;
};

} // namespace tav
