#pragma once
// The layouts dialog: the document's layouts as rows beside a tree of the running
// applications, so that a layout can be made from a running window. Rows change the layouts
// on Accept; a deletion changes the document at once (see TLayoutRows).

#include "engine/document/Document.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/ListView.h"
#include "framework/win32/StdCtrls.h"
#include "framework/win32/TreeView.h"
#include "ui/lang/Lang.h"
#include "ui/layouts/AppWindows.h"
#include "ui/layouts/LayoutRows.h"

#include <string>
#include <vector>

namespace tav {

class TLayoutsForm : public TForm {
public:
    // `languageFile` is the chosen language's file, empty when it does not exist; `doc` must
    // outlive the dialog.
    TLayoutsForm(TComponent* owner, TDocument& doc, std::string languageFile);

    void FormShow(TObject* sender);
    // Builds the tree of running applications anew, with no node selected.
    void ListApplications();
    void AppsTreeListChange(TObject* sender, TTreeNode* node);
    void ShowAllChBxClick(TObject* sender);
    void AddBtnClick(TObject* sender);
    void NewLayoutBtnClick(TObject* sender);
    void PropLayoutBtnClick(TObject* sender);
    void DeleteLayoutBtnClick(TObject* sender);
    // Delete and Properties follow the selected row, whether a click or a key chose it.
    void LayoutListClick(TObject* sender);
    void LayoutListSelectItem(TObject* sender, TListItem* item, bool selected);
    void LayoutListDblClick(TObject* sender);
    void AcceptBtnClick(TObject* sender);
    void HelpBtnClick(TObject* sender);

    const TLayoutRows& Rows() const { return rows_; }

    TListView* LayoutList = nullptr;
    TButton* NewLayoutBtn = nullptr;
    TButton* DeleteLayoutBtn = nullptr;
    TButton* PropLayoutBtn = nullptr;
    TGroupBox* RunningAppsGrpBx = nullptr;
    TTreeView* AppsTreeList = nullptr;
    TImageList* AppIconsList = nullptr;
    TCheckBox* ShowAllChBx = nullptr;
    TButton* AddBtn = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    // Fills the list from the rows and selects row `selected` (none when -1).
    void ShowRows(int selected);
    void UpdateLayoutButtons();
    // What the window of a node is, and the application window at the root of its branch.
    const TAppWindow* WindowOfNode(const TTreeNode* node) const;

    TLayoutRows rows_;
    std::string languageFile_;
    // What the tree shows; its nodes point into it until it is built again.
    std::vector<TAppNode> apps_;
};

// Runs the layouts dialog modally over the document's layouts; true when it was accepted.
bool EditLayoutsInDialog(TDocument& doc, const std::string& languageFile);

} // namespace tav
