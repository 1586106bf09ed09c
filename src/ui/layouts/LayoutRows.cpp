#include "ui/layouts/LayoutRows.h"

#include "engine/document/Names.h"

#include <algorithm>
#include <unordered_set>

namespace tav {

TLayoutTexts LayoutTextsOf(const TAppWindow& root, const TAppWindow& chosen) {
    return {root.Title, chosen.Title, chosen.ClassName};
}

bool LayoutRowEditable(int row) {
    return row >= 1;
}

TLayoutRows::TLayoutRows(TDocument& doc) : doc_(doc) {
    for (const auto& layout : doc_.Layouts())
        rows_.push_back({{layout->Name, layout->WndTitle, layout->Application}, layout.get()});
}

bool TLayoutRows::Append(TLayoutTexts texts) {
    if (IsEmptyName(texts.Name))
        return false;
    rows_.push_back({std::move(texts), nullptr});
    return true;
}

bool TLayoutRows::Replace(int row, TLayoutTexts texts) {
    if (!LayoutRowEditable(row) || static_cast<std::size_t>(row) >= rows_.size() ||
        IsEmptyName(texts.Name))
        return false;
    rows_[static_cast<std::size_t>(row)].Texts = std::move(texts);
    return true;
}

bool TLayoutRows::Holds(const TLayout* layout) const {
    const auto& layouts = doc_.Layouts();
    return std::any_of(layouts.begin(), layouts.end(),
                       [layout](const auto& held) { return held.get() == layout; });
}

bool TLayoutRows::Delete(int row, const TConfirmDelete& confirm) {
    if (!LayoutRowEditable(row) || static_cast<std::size_t>(row) >= rows_.size())
        return false;
    TLayout* layout = rows_[static_cast<std::size_t>(row)].Layout;
    if (layout != nullptr) {
        // The question names the layout as the document has it, not as the row was edited.
        if (!confirm(layout->Name))
            return false;
        // While the box was open the rows stay as they were, but the document may have
        // changed: the row is found again by its layout.
        const auto it = std::find_if(rows_.begin(), rows_.end(),
                                     [layout](const TLayoutRow& r) { return r.Layout == layout; });
        if (it == rows_.end() || !Holds(layout))
            return false;
        doc_.DeleteLayout(layout);
        rows_.erase(it);
        return true;
    }
    rows_.erase(rows_.begin() + row);
    return true;
}

void TLayoutRows::Accept() {
    std::unordered_set<const TLayout*> held;
    for (const auto& layout : doc_.Layouts())
        held.insert(layout.get());
    for (TLayoutRow& row : rows_) {
        if (row.Layout == nullptr) {
            row.Layout = doc_.AddLayout(row.Texts.Name, row.Texts.WndTitle, row.Texts.Application);
        } else if (held.contains(row.Layout)) {
            row.Layout->Name = row.Texts.Name;
            row.Layout->WndTitle = row.Texts.WndTitle;
            row.Layout->Application = row.Texts.Application;
        }
    }
}

} // namespace tav
