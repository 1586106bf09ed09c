#pragma once
// The main window's action-item panel as plain state over the document: which layout and item
// it shows, the item's trigger entries grouped by remote, and the user's edits of items,
// triggers, switches and actions. The window shows what this holds and hands the user's
// choices in by position; it never looks an item or a layout up by its name, since names may
// repeat.
//
// Every edit that asks the user something holds on to its target while the question is open
// and checks afterwards that the target still exists, so nothing that runs meanwhile (a fired
// command, a deleted record) can turn the edit onto another item.

#include "engine/actions/ActionLabels.h"
#include "engine/actions/ActionsList.h"
#include "engine/document/Document.h"
#include "ui/main/NamePrompts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tav {

// What the panel asks the user, and the translation of its texts.
class IActionPanelPrompts : public INamePrompts {
public:
    // A Yes/No question; true on Yes.
    virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
};

// The dialogs the panel opens: the action editor (for a row's action, and for a new action as
// its last use left it) and the layouts dialog.
class IActionDialogs : public IActionEditor {
public:
    // The action composed in the editor when the user accepted it; none on cancel.
    virtual std::optional<std::string> NewAction() = 0;
    // Runs the layouts dialog; true when the user accepted it.
    virtual bool EditLayouts() = 0;
};

// One entry of the item's trigger list as the trigger tree shows it.
struct TTriggerEntry {
    std::size_t Position = 0; // in the item's TriggerCommands
    std::string Text;         // the command's name
    int Image = 0;            // of the command's node
    bool operator==(const TTriggerEntry&) const = default;
};

struct TTriggerGroup {
    std::string Remote;
    std::vector<TTriggerEntry> Entries;
    bool operator==(const TTriggerGroup&) const = default;
};

// The entries in list order, each under the first group named like its remote (remotes of the
// same name share a group), groups in the order they first appear. An entry whose command no
// node carries (a stale index) is left out rather than shown under another command.
std::vector<TTriggerGroup> GroupTriggers(const TDocument& doc, const TAction& item);

// A drag over the trigger tree, as far as accepting it goes.
enum class TTriggerDragSource { CommandsTree, TriggerTree, Other };
struct TTriggerDrag {
    TTriggerDragSource Source = TTriggerDragSource::Other;
    bool Selected = false;         // the source has a selected node: the dragged one
    bool DraggedIsCommand = false; // a command (not a remote or a group)
    bool TreeEmpty = false;        // the trigger tree shows nothing
    // The node under the pointer: a group (true) or an entry (false); none when there is none.
    std::optional<bool> TargetIsGroup;
};
// Commands may be dropped anywhere, a remote or a group only beside the entries; a reorder
// needs a node to drop on. Drags from elsewhere are not the panel's.
bool AcceptsTriggerDrop(const TTriggerDrag& drag);

// A row of the actions list: the action's caption and icon; a string without a known kind
// shows itself.
struct TActionRow {
    std::string Caption;
    int Image = -1;
    bool operator==(const TActionRow&) const = default;
};
TActionRow DescribeActionRow(const std::string& action, const ActionLabels& labels);

// Which of the actions list's controls are enabled.
struct TActionsListButtons {
    bool AllAtOnce = false;           // two actions or more
    bool RemoveAndProperties = false; // a row is selected
    bool operator==(const TActionsListButtons&) const = default;
};
TActionsListButtons ActionsListButtons(int rows, bool rowSelected);

class TActionPanel {
public:
    // Both must outlive the panel.
    TActionPanel(TDocument& doc, IActionPanelPrompts& prompts);

    // --- what the panel shows ---
    std::vector<std::string> LayoutNames() const;
    // The position of the current layout in the layout list.
    int LayoutIndex() const;
    // The names of the current layout's items; entry i is item i.
    std::vector<std::string> ItemNames() const;
    // The position of the current item in its layout; -1 when none is current.
    int ItemIndex() const;
    TAction* Item() const { return doc_.CurAction(); }
    // The layout of the current item becomes the current layout, so the layout box always
    // shows the layout of the item on display.
    void FollowItem();

    // --- the user's choices, by position ---
    // The layout becomes current and its first item (none when it has none).
    void ChooseLayout(int position);
    // -1 chooses none.
    void ChooseItem(int position);

    // --- edits; each returns true when it changed the document ---
    // A new item in the current layout, named after the current one (or "My action").
    bool NewItem();
    bool DeleteItem();
    bool RenameItem();
    // Appends a command, or every command of a remote, to the current item's trigger list.
    bool AddTriggers(const TCommandNode* node);
    bool DeleteTrigger(std::size_t position);
    // Exchanges exactly the two entries; false when that changes no order.
    bool ExchangeTriggers(std::size_t dragged, std::size_t target);
    // The switches store a value the user chose; showing an item never counts as a change.
    bool SetTriggering(int trigEn);
    bool SetMode(int trigType);
    bool SetAllAtOnce(bool allAtOnce);
    // Appends an action composed in the editor; an empty one adds nothing.
    bool AddAction(IActionDialogs& dialogs);
    // Edits the action of a row of the current item in the editor.
    bool EditAction(int row, IActionEditor& editor);

private:
    std::string Text(std::string_view english) const;

    TDocument& doc_;
    IActionPanelPrompts& prompts_;
};

} // namespace tav
