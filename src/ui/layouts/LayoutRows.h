#pragma once
// The rows of the layouts dialog over the document's layouts. Row i shows layout i when the
// dialog opens; rows added in the dialog have no layout until Accept makes one. Texts change
// only in the rows until Accept writes them back, but a deletion is the document's at once:
// the user was asked about the layout and all its actions, so Cancel keeps it deleted.

#include "engine/document/Document.h"
#include "ui/layouts/AppWindows.h"

#include <functional>
#include <string>
#include <vector>

namespace tav {

struct TLayoutTexts {
    std::string Name;
    std::string WndTitle;
    std::string Application; // the window class
    bool operator==(const TLayoutTexts&) const = default;
};

struct TLayoutRow {
    TLayoutTexts Texts;
    TLayout* Layout = nullptr; // none for a row added in the dialog
};

// A layout made from a running window: named after the application's top-level window, tied to
// the chosen window's whole title and class (a title may hold the node texts' separator).
TLayoutTexts LayoutTextsOf(const TAppWindow& root, const TAppWindow& chosen);

// Delete and Properties: the default layout in the first row is neither deleted nor edited,
// however the selection reached it.
bool LayoutRowEditable(int row);

class TLayoutRows {
public:
    // Asked before a layout and its items go: the layout's name; true on Yes.
    using TConfirmDelete = std::function<bool(const std::string& name)>;

    // `doc` must outlive the rows.
    explicit TLayoutRows(TDocument& doc);

    const std::vector<TLayoutRow>& Rows() const { return rows_; }
    // A layout is chosen by its name in the main window: texts with an empty name (see
    // IsEmptyName) are refused, and false tells so.
    bool Append(TLayoutTexts texts);
    // False also for the first row and for a row that is not there.
    bool Replace(int row, TLayoutTexts texts);
    // A row of its own is removed without a question; a row with a layout is removed, with its
    // layout from the document, only when `confirm` says yes and the document still has that
    // layout afterwards. True when the row went.
    bool Delete(int row, const TConfirmDelete& confirm);
    // Writes every row into its layout; rows of their own become new layouts after the others,
    // in row order. A layout that left the document meanwhile is not brought back.
    void Accept();

private:
    bool Holds(const TLayout* layout) const;

    TDocument& doc_;
    std::vector<TLayoutRow> rows_;
};

} // namespace tav
