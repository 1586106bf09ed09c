#include "engine/actions/ActionsList.h"

#include <utility>

namespace tav {

namespace {
bool IsRow(const TAction& item, std::optional<int> row) {
    return row && *row >= 0 && static_cast<std::size_t>(*row) < item.ActionStrings.size();
}
} // namespace

bool RemoveActionRow(TDocument& doc, TAction& item, int row) {
    if (!IsRow(item, row))
        return false;
    item.ActionStrings.erase(item.ActionStrings.begin() + row);
    item.CurrentIndex = item.ActionStrings.empty() ? -1 : 0;
    doc.SetModified(true);
    return true;
}

bool EditActionRow(TDocument& doc, TAction& item, int row, IActionEditor& editor) {
    if (!IsRow(item, row))
        return false;
    const std::optional<std::string> composed =
        editor.Edit(item.ActionStrings[static_cast<std::size_t>(row)]);
    // The editor is modal: the row may have gone while it was open.
    if (!composed || composed->empty() || !IsRow(item, row))
        return false;
    item.ActionStrings[static_cast<std::size_t>(row)] = *composed;
    doc.SetModified(true);
    return true;
}

bool AcceptsActionDrag(bool fromActionsList, std::optional<int> selected, std::optional<int> target,
                       int rowCount) {
    return fromActionsList && selected.has_value() && (target.has_value() || rowCount == 0);
}

bool DropActionRow(TDocument& doc, TAction& item, std::optional<int> selected,
                   std::optional<int> target) {
    if (!IsRow(item, selected) || !IsRow(item, target))
        return false;
    std::string& dragged = item.ActionStrings[static_cast<std::size_t>(*selected)];
    std::string& dropped = item.ActionStrings[static_cast<std::size_t>(*target)];
    // A row dropped on itself, or on a row of the same text, leaves the order as it was.
    if (dragged == dropped)
        return false;
    std::swap(dragged, dropped);
    // The order is part of the document: it must be saved like any other change.
    doc.SetModified(true);
    return true;
}

} // namespace tav
