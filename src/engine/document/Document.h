#pragma once
// The document: the commands tree (which owns every command record), the recognition order of
// the commands, the layouts (which own their action items), the current layout and item, and the
// run-time state that points into them (received code, last fired command, learning samples).
//
// Links kept in step by every operation: an action item is in a command's `Actions` exactly once
// when the command occurs at least once in the item's `TriggerCommands`, and not otherwise.

#include "engine/document/CodeStore.h"
#include "engine/document/CommandsTree.h"
#include "engine/document/ReceivedCode.h"
#include "engine/document/Records.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tav {

// Why the state that could still fire a command or run an action was dropped.
enum class TRunStateChange { Reset, CommandDeleted, ActionDeleted, LayoutDeleted };

class TDocument {
public:
    using NameSource = std::function<std::string()>;
    using RunStateListener = std::function<void(TRunStateChange)>;

    // `defaultLayoutName` gives the (translated) name of the default layout at each reset.
    explicit TDocument(NameSource defaultLayoutName = {});
    ~TDocument();
    TDocument(const TDocument&) = delete;
    TDocument& operator=(const TDocument&) = delete;

    // Frees every record and starts again: empty tree and command list, only the default layout.
    // The modified flag is left as it is.
    void Reset();
    // Takes over the records of `loaded` (a document read from a file) in place of its own,
    // which `loaded` receives and frees. Listeners stay with this document and are told, as at a
    // reset, that the run-time state was dropped.
    void TakeContentFrom(TDocument& loaded);

    const TCommandsTree& Tree() const { return tree_; }
    // Every command record in creation order: the recognition order.
    const std::vector<TCommand*>& Commands() const { return commands_; }
    const std::vector<std::unique_ptr<TLayout>>& Layouts() const { return layouts_; }
    TLayout* DefaultLayout() const { return layouts_.front().get(); }
    // The codes of `Commands()` side by side in recognition order, compacted here after any
    // change.
    const TCodeStore& RecognitionCodes();
    // The owner node of a record, found by its NodeIndex; nullptr when it is stale.
    TCommandNode* NodeOf(const TCommand* command) const;

    // Whether the item belongs to one of the document's layouts (it was not freed).
    bool Contains(const TAction* action) const;

    TLayout* CurLayout() const { return curLayout_; }
    void SetCurLayout(TLayout* layout) { curLayout_ = layout; }
    TAction* CurAction() const { return curAction_; }
    void SetCurAction(TAction* action) { curAction_ = action; }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // --- commands tree ---
    // A remote appended after the last one.
    TCommandNode* AddRemote(std::string name);
    // A command before the selected command, or as the last command of the selected remote;
    // appended to the recognition order. Nothing happens (nullptr) without a selection.
    TCommandNode* AddCommand(TCommandNode* selected, std::string name);
    // Deletes a command, or a remote with all its commands, unlinking every deleted command
    // from the trigger lists that name it.
    void DeleteNode(TCommandNode* node);
    void RenameNode(TCommandNode* node, std::string name);
    // The switches of a node apply to the node and its direct children.
    void SetRecognition(TCommandNode* node, bool on);
    void SetTypematic(TCommandNode* node, bool on);
    void SetSound(TCommandNode* node, std::string sound);
    // Learning and loading give a record its code.
    void SetCode(TCommand& command, TCode code);
    // Drag and drop inside the tree; false when the drop is refused.
    bool MoveNode(TCommandNode* dragged, TCommandNode* target, TDropPlace place);

    // --- layouts and action items ---
    TLayout* AddLayout(std::string name, std::string wndTitle, std::string application);
    // Any layout but the default one; its items are unlinked and freed with it.
    void DeleteLayout(TLayout* layout);
    // A new item appended to `layout`; it becomes the current item.
    TAction* AddAction(TLayout* layout, std::string name);
    void DeleteAction(TAction* action);
    // Appends a command, or every command of a remote in tree order, to the trigger list, and
    // restarts the item's trigger sequence.
    void AddTrigger(TAction* action, const TCommandNode* node);
    void RemoveTriggerAt(TAction* action, std::size_t position);
    void ExchangeTriggers(TAction* action, std::size_t a, std::size_t b);

    // --- run-time state ---
    TReceivedCode ReceivedCode;
    TCommand* LastFiredCommand = nullptr;
    bool TypematicActive = false;
    TLearnQueue LearnQueue;

    // Listeners are told whenever the state above was dropped because records went away;
    // whoever could still run something from a record (the action timer) stops there.
    int AddRunStateListener(RunStateListener listener);
    void RemoveRunStateListener(int id);

private:
    void DeleteTreeNode(TCommandNode* node);
    void CompactCodes();
    void CodesLeftBehind();
    void FreeAction(TAction* action);
    void DropRunState(TRunStateChange why);
    void Touch() { modified_ = true; }

    NameSource defaultLayoutName_;
    TCommandsTree tree_;
    std::vector<TCommand*> commands_;
    // On the heap: the records point at its values, and a loaded document hands it over.
    std::unique_ptr<TCodeStore> codes_ = std::make_unique<TCodeStore>();
    bool recognitionCodesStale_ = true;
    std::vector<std::unique_ptr<TLayout>> layouts_;
    TLayout* curLayout_ = nullptr;
    TAction* curAction_ = nullptr;
    bool modified_ = false;
    std::vector<std::pair<int, RunStateListener>> listeners_;
    int nextListenerId_ = 1;
};

} // namespace tav
