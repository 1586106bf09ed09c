#pragma once
// The actions list of the current item, as the main window edits it: removing a row, editing a
// row's action in the action editor, and swapping two rows by drag and drop. Rows are indexes
// of the item's action strings.

#include "engine/document/Document.h"

#include <optional>
#include <string>

namespace tav {

// The action editor, shown modally on one action string.
class IActionEditor {
public:
    virtual ~IActionEditor() = default;
    // The string composed from the editor when the user accepted it; none on cancel.
    virtual std::optional<std::string> Edit(const std::string& action) = 0;
};

// Removes the row's string; the item starts again from its first action (or has none). False
// when there is no such row.
bool RemoveActionRow(TDocument& doc, TAction& item, int row);

// Edits the row's string in the editor; an accepted, non-empty string replaces it. True when the
// row changed (the list describes the row anew and keeps it selected).
bool EditActionRow(TDocument& doc, TAction& item, int row, IActionEditor& editor);

// A drag over the list is accepted only from the list itself, with a row selected, over a row
// or over an empty list.
bool AcceptsActionDrag(bool fromActionsList, std::optional<int> selected, std::optional<int> target,
                       int rowCount);

// Exchanges the strings of the selected row and the row it was dropped on; the next action to
// run stays the same index. A drop beside the rows, or one that changes no order, does nothing.
// True when the rows changed.
bool DropActionRow(TDocument& doc, TAction& item, std::optional<int> selected,
                   std::optional<int> target);

} // namespace tav
