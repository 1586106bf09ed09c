// The main window's action-item panel: the layout and item boxes with New, Delete and Rename,
// the trigger tree with its drops and deletions, the triggering switches, and the actions list.
// The panel's state lives in TActionPanel over the document; these handlers pass the user's
// choices to it and redraw.

#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/layouts/win32/LayoutsForm.h"
#include "ui/main/win32/ActionDialogs.h"
#include "ui/main/win32/ActionPictures.h"
#include "ui/main/win32/CommandImages.h"
#include "ui/main/win32/MainForm.h"
#include "ui/password/win32/Password.h"

#include <algorithm>

namespace tav {

namespace {

using TTranslate = std::function<std::string(const std::string&)>;

class TPanelPrompts : public IActionPanelPrompts {
public:
    TPanelPrompts(TTranslate translate, std::function<std::string()> languageFile)
        : translate_(std::move(translate)), languageFile_(std::move(languageFile)) {}
    std::optional<std::string> AskName(const std::string& caption, const std::string& prompt,
                                       const std::string& name) override {
        std::string value = name;
        if (!InputQueryDlg(caption, prompt, value, languageFile_()))
            return std::nullopt;
        return value;
    }
    void Refuse(const std::string& text) override {
        ShowMessageBox(text, "Tavrilo", MB_OK | MB_ICONEXCLAMATION);
    }
    bool Confirm(const std::string& text, const std::string& caption) override {
        return ShowMessageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    std::string Translate(const std::string& english) override { return translate_(english); }

private:
    TTranslate translate_;
    std::function<std::string()> languageFile_;
};

} // namespace

void TMainForm::CreateActionPanel() {
    // The translation component comes later, when every component it translates exists.
    const TTranslate translate = [this](const std::string& english) {
        return Lang->GetMessageText(english);
    };
    panelPrompts_ = std::make_unique<TPanelPrompts>(translate, [this] { return LanguageFile(); });
    actionDialogs_ = std::make_unique<TActionDialogs>(
        [this]() -> TActionForm& { return ActionEditor(); },
        [this] { return EditLayoutsInDialog(document_, LanguageFile()); });
    actionPanel_ = std::make_unique<TActionPanel>(document_, *panelPrompts_);

    TAV_CREATE(EventPageCtrl, {.Parent = this});
    TAV_CREATE(ExecuteActionTab, {.Parent = EventPageCtrl, .Caption = "On receive command"});
    TAV_CREATE(ActionsGrpBx, {.Parent = ExecuteActionTab, .Caption = "Execute action"});
    TAV_CREATE(LayoutLbl, {.Parent = ActionsGrpBx, .Caption = "Actual &layout:"});
    TAV_CREATE(LayoutCoBx,
               {.Parent = ActionsGrpBx, .OnChange = Handler(&TMainForm::LayoutCoBxChange)});
    TAV_CREATE(ManageLayoutsBtn, {.Parent = ActionsGrpBx,
                                  .Caption = "...",
                                  .OnClick = Handler(&TMainForm::ManageLayoutsBtnClick)});
    ManageLayoutsBtn->SetHint("Manage layouts...");
    LayoutLbl->FocusControl = LayoutCoBx;
    TAV_CREATE(ActionLbl, {.Parent = ActionsGrpBx, .Caption = "Act&ion name:"});
    TAV_CREATE(ActionCoBx,
               {.Parent = ActionsGrpBx, .OnChange = Handler(&TMainForm::ActionCoBxChange)});
    ActionLbl->FocusControl = ActionCoBx;
    TAV_CREATE(
        NewBtn,
        {.Parent = ActionsGrpBx, .Caption = "&New", .OnClick = Handler(&TMainForm::NewBtnClick)});
    TAV_CREATE(DeleteBtn, {.Parent = ActionsGrpBx,
                           .Caption = "&Delete",
                           .OnClick = Handler(&TMainForm::DeleteBtnClick)});
    TAV_CREATE(RenameBtn, {.Parent = ActionsGrpBx,
                           .Caption = "R&ename",
                           .OnClick = Handler(&TMainForm::RenameBtnClick)});

    TAV_CREATE(ActionPageCtrl,
               {.Parent = ActionsGrpBx, .OnChange = Handler(&TMainForm::ActionPageCtrlChange)});
    TAV_CREATE(TriggerTab, {.Parent = ActionPageCtrl, .Caption = "&Trigger commands"});
    TAV_CREATE(TriggerTreePopUpMenu, {.OnPopup = Handler(&TMainForm::TriggerTreePopUpMenuPopup)});
    TAV_CREATE(DeleteTrigger, {.Parent = TriggerTreePopUpMenu->Items(),
                               .Caption = "&Delete",
                               .OnClick = Handler(&TMainForm::DeleteTriggerClick)});
    TAV_CREATE(
        TriggerTree,
        {.Parent = TriggerTab, .Width = 200, .Height = 120, .PopupMenu = TriggerTreePopUpMenu});
    TriggerTree->DragMode = TDragMode::Automatic;
    TriggerTree->OnMouseDown = Handler(&TMainForm::TriggerTreeMouseDown);
    TriggerTree->OnKeyDown = Handler(&TMainForm::TriggerTreeKeyDown);
    TriggerTree->OnDragOver = Handler(&TMainForm::TriggerTreeDragOver);
    TriggerTree->OnDragDrop = Handler(&TMainForm::TriggerTreeDragDrop);
    TAV_CREATE(TriggeringRGrp, {.Parent = TriggerTab,
                                .Caption = "Triggering",
                                .Items = {"Enabled", "Disabled"},
                                .OnClick = Handler(&TMainForm::TriggeringRGrpClick)});
    TAV_CREATE(TrigTypeRGrp, {.Parent = TriggerTab,
                              .Caption = "Mode",
                              .Items = {"AND", "OR"},
                              .OnClick = Handler(&TMainForm::TrigTypeRGrpClick)});

    TAV_CREATE(ActionListTab, {.Parent = ActionPageCtrl, .Caption = "Actions li&st"});
    TAV_CREATE(ActionsList, {.Parent = ActionListTab,
                             .Width = 200,
                             .Height = 100,
                             .OnDblClick = Handler(&TMainForm::ActionsListDblClick)});
    // One column and no header: the rows are the actions' captions.
    SetWindowLongPtrA(ActionsList->Handle(), GWL_STYLE,
                      GetWindowLongPtrA(ActionsList->Handle(), GWL_STYLE) | LVS_NOCOLUMNHEADER);
    ActionsList->AddColumn("", 180);
    ActionsTransList = new TDrawnImageList(this, "ActionsTransList");
    AddActionPictures(*ActionsTransList);
    ActionsList->SetSmallImages(ActionsTransList);
    ActionsImgList = new TDrawnImageList(this, "ActionsImgList");
    AddActionPictures(*ActionsImgList);
    ActionsList->SetRowSelect(true);
    ActionsList->DragMode = TDragMode::Automatic;
    ActionsList->OnSelectItem = Handler(&TMainForm::ActionsListSelectItem);
    ActionsList->OnDragOver = Handler(&TMainForm::ActionsListDragOver);
    ActionsList->OnDragDrop = Handler(&TMainForm::ActionsListDragDrop);
    TAV_CREATE(AllAtOnceChBtn, {.Parent = ActionListTab,
                                .Caption = "Si&mulate all at once",
                                .OnClick = Handler(&TMainForm::AllAtOnceChBtnClick)});
    TAV_CREATE(NewActionBtn, {.Parent = ActionListTab,
                              .Caption = "Ne&w...",
                              .OnClick = Handler(&TMainForm::NewActionBtnClick)});
    TAV_CREATE(RemoveBtn, {.Parent = ActionListTab,
                           .Caption = "Remo&ve",
                           .OnClick = Handler(&TMainForm::RemoveBtnClick)});
    TAV_CREATE(PropertiesBtn, {.Parent = ActionListTab,
                               .Caption = "&Properties...",
                               .OnClick = Handler(&TMainForm::PropertiesBtnClick)});
    AllAtOnceChBtn->SetEnabled(false);
    RemoveBtn->SetEnabled(false);
    PropertiesBtn->SetEnabled(false);
}

TBox TMainForm::ActionPanelLayout() {
    return Expand(Pages(
        EventPageCtrl,
        {Page(ExecuteActionTab,
              Expand(Group(
                  ActionsGrpBx,
                  Column({LabelRows({{LayoutLbl, Row({LayoutCoBx, ManageLayoutsBtn})},
                                     {ActionLbl, ActionCoBx}}),
                          Buttons({NewBtn, DeleteBtn, RenameBtn}),
                          Expand(Pages(
                              ActionPageCtrl,
                              {Page(TriggerTab, Column({Expand(TriggerTree),
                                                        Row({TriggeringRGrp, TrigTypeRGrp})})),
                               Page(ActionListTab, Column({Expand(ActionsList), AllAtOnceChBtn,
                                                           Buttons({NewActionBtn, RemoveBtn,
                                                                    PropertiesBtn})}))}))}))))}));
}

void TMainForm::ActionPanelEdited(bool changed) {
    ShowActionItem();
    if (changed)
        ModifiedChanged();
}

void TMainForm::ShowActionItem() {
    TriggerTree->Clear();
    triggerEntries_.clear();
    ActionsList->Clear();
    actionPanel_->FollowItem();
    LayoutCoBx->SetItems(actionPanel_->LayoutNames());
    LayoutCoBx->SetItemIndex(actionPanel_->LayoutIndex());
    ActionCoBx->SetItems(actionPanel_->ItemNames());
    ActionCoBx->SetItemIndex(actionPanel_->ItemIndex());
    TAction* item = actionPanel_->Item();
    DeleteBtn->SetEnabled(item != nullptr);
    RenameBtn->SetEnabled(item != nullptr);
    // Nothing may be dropped on or edited in the pages of no item.
    ActionPageCtrl->SetEnabled(item != nullptr);
    if (item == nullptr)
        return;
    for (const TTriggerGroup& group : GroupTriggers(document_, *item)) {
        TTreeNode* remote = TriggerTree->Add(nullptr, group.Remote);
        for (const TTriggerEntry& entry : group.Entries) {
            TTreeNode* node =
                TriggerTree->AddChild(remote, entry.Text, item->TriggerCommands[entry.Position]);
            node->SetImageIndex(entry.Image);
            node->SetSelectedIndex(kSelectedCommandImage);
            triggerEntries_[node] = entry.Position;
        }
        remote->Expand(false);
    }
    // Their handlers find the item's own values: showing it is no change.
    TriggeringRGrp->SetItemIndex(item->TrigEn);
    TrigTypeRGrp->SetItemIndex(item->TrigType);
    AllAtOnceChBtn->SetChecked(item->AllAtOnce);
    ShowActionsList(*item);
}

void TMainForm::ShowActionsList(const TAction& item) {
    int widest = 0;
    for (const std::string& action : item.ActionStrings) {
        const TActionRow row = DescribeActionRow(action, actionLabels_);
        TListItem* listItem = ActionsList->AddItem();
        listItem->SetCaption(row.Caption);
        listItem->SetImageIndex(row.Image);
        widest = std::max(widest, ActionsList->MeasureText(row.Caption).Width);
    }
    // The column grows to the longest caption, with room for the icon.
    const int room = widest + 24;
    if (room > ActionsList->ClientWidth())
        SendMessageA(ActionsList->Handle(), LVM_SETCOLUMNWIDTH, 0, ActionsList->ToPixels(room));
    else
        SendMessageA(ActionsList->Handle(), LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
    UpdateActionsListButtons();
}

void TMainForm::UpdateActionsListButtons() {
    const TActionsListButtons buttons =
        ActionsListButtons(ActionsList->ItemCount(), ActionsList->Selected() != nullptr);
    AllAtOnceChBtn->SetEnabled(buttons.AllAtOnce);
    RemoveBtn->SetEnabled(buttons.RemoveAndProperties);
    PropertiesBtn->SetEnabled(buttons.RemoveAndProperties);
}

void TMainForm::LayoutCoBxChange(TObject*) {
    actionPanel_->ChooseLayout(LayoutCoBx->ItemIndex());
    ShowActionItem();
}

void TMainForm::LayoutSetupMenuClick(TObject* sender) {
    if (sender != nullptr) {
        if (actionDialogs_->EditLayouts())
            document_.SetModified(true);
        ModifiedChanged();
        // The layout shown stays, unless the dialog deleted it; its first item is shown.
        actionPanel_->ChooseLayout(actionPanel_->LayoutIndex());
    }
    ShowActionItem();
}

void TMainForm::ManageLayoutsBtnClick(TObject* sender) {
    LayoutSetupMenuClick(sender);
}

void TMainForm::ActionCoBxChange(TObject*) {
    actionPanel_->ChooseItem(ActionCoBx->ItemIndex());
    ShowActionItem();
}

void TMainForm::NewBtnClick(TObject*) {
    ActionPanelEdited(actionPanel_->NewItem());
}

void TMainForm::DeleteBtnClick(TObject*) {
    ActionPanelEdited(actionPanel_->DeleteItem());
}

void TMainForm::RenameBtnClick(TObject*) {
    ActionPanelEdited(actionPanel_->RenameItem());
}

// The command or remote the menu item was chosen on; a remote gives all its commands.
void TMainForm::CopyToActionMenuClick(TObject* sender) {
    if (const TCommandNode* node = TargetNode(sender))
        ActionPanelEdited(actionPanel_->AddTriggers(node));
}

std::optional<std::size_t> TMainForm::TriggerEntryOf(const TTreeNode* node) const {
    const auto it = triggerEntries_.find(node);
    if (it == triggerEntries_.end())
        return std::nullopt;
    return it->second;
}

void TMainForm::TriggerTreeDragOver(TObject*, TObject* source, int x, int y, TDragState,
                                    bool& accept) {
    TTriggerDrag drag;
    drag.TreeEmpty = TriggerTree->Count() == 0;
    if (const TTreeNode* target = TriggerTree->GetNodeAt(x, y))
        drag.TargetIsGroup = target->Level() == 0;
    if (source == TriggerTree) {
        drag.Source = TTriggerDragSource::TriggerTree;
        drag.Selected = TriggerTree->Selected() != nullptr;
        drag.DraggedIsCommand = drag.Selected && TriggerTree->Selected()->Level() == 1;
    } else if (const TCommandNode* node = DraggedNode(source)) {
        drag.Source = TTriggerDragSource::CommandsTree;
        drag.Selected = true;
        drag.DraggedIsCommand = !node->IsRemote();
    }
    accept = AcceptsTriggerDrop(drag);
}

void TMainForm::TriggerTreeDragDrop(TObject*, TObject* source, int x, int y) {
    if (source != TriggerTree) {
        // Entries are always appended, wherever the drop was.
        if (const TCommandNode* node = DraggedNode(source))
            ActionPanelEdited(actionPanel_->AddTriggers(node));
        return;
    }
    constexpr THitTests kDropPlaces = htOnItem | htOnIcon | htNowhere | htOnIndent;
    if ((TriggerTree->GetHitTestInfoAt(x, y) & kDropPlaces) == 0)
        return;
    // Only two entries can change places; a group keeps its place, since the tree is drawn
    // from the list again.
    const auto dragged = TriggerEntryOf(TriggerTree->Selected());
    const auto target = TriggerEntryOf(TriggerTree->GetNodeAt(x, y));
    if (dragged && target)
        ActionPanelEdited(actionPanel_->ExchangeTriggers(*dragged, *target));
}

void TMainForm::TriggerTreeMouseDown(TObject*, TMouseButton, TShiftState, int x, int y) {
    TriggerTree->SetSelected(TriggerTree->GetNodeAt(x, y));
}

void TMainForm::TriggerTreeKeyDown(TObject*, WORD& key, TShiftState) {
    TTreeNode* selected = TriggerTree->Selected();
    if (selected == nullptr)
        return;
    if (key == VK_F2) {
        // The edited text lasts until the next redraw; the document keeps the command's name.
        selected->EditText();
    } else if (key == VK_DELETE && !TriggerTree->IsEditing() && selected->Level() == 1) {
        DeleteTriggerClick(TriggerTree);
        key = 0;
    }
}

void TMainForm::TriggerTreePopUpMenuPopup(TObject*) {
    const TTreeNode* selected = TriggerTree->Selected();
    DeleteTrigger->SetEnabled(selected != nullptr && selected->Level() == 1);
}

void TMainForm::DeleteTriggerClick(TObject*) {
    const auto entry = TriggerEntryOf(TriggerTree->Selected());
    ActionPanelEdited(entry && actionPanel_->DeleteTrigger(*entry));
}

void TMainForm::TriggeringRGrpClick(TObject*) {
    if (actionPanel_->SetTriggering(TriggeringRGrp->ItemIndex()))
        ModifiedChanged();
}

void TMainForm::TrigTypeRGrpClick(TObject*) {
    if (actionPanel_->SetMode(TrigTypeRGrp->ItemIndex()))
        ModifiedChanged();
}

void TMainForm::AllAtOnceChBtnClick(TObject*) {
    if (actionPanel_->SetAllAtOnce(AllAtOnceChBtn->Checked()))
        ModifiedChanged();
}

void TMainForm::ActionPageCtrlChange(TObject*) {
    ShowActionItem();
}

void TMainForm::NewActionBtnClick(TObject*) {
    ActionPanelEdited(actionPanel_->AddAction(*actionDialogs_));
}

void TMainForm::RemoveBtnClick(TObject*) {
    TAction* item = actionPanel_->Item();
    ActionPanelEdited(item && RemoveActionRow(document_, *item, ActionsList->ItemIndex()));
}

void TMainForm::PropertiesBtnClick(TObject*) {
    const int row = ActionsList->ItemIndex();
    if (!actionPanel_->EditAction(row, *actionDialogs_))
        return;
    ModifiedChanged();
    ShowActionItem();
    ActionsList->SetItemIndex(row);
}

void TMainForm::ActionsListDblClick(TObject* sender) {
    if (ActionsList->Selected() != nullptr)
        PropertiesBtnClick(sender);
}

void TMainForm::ActionsListSelectItem(TObject*, TListItem*, bool) {
    UpdateActionsListButtons();
}

void TMainForm::ActionsListDragOver(TObject*, TObject* source, int x, int y, TDragState,
                                    bool& accept) {
    const TListItem* selected = ActionsList->Selected();
    const TListItem* target = ActionsList->GetItemAt(x, y);
    accept = AcceptsActionDrag(
        source == ActionsList, selected ? std::optional<int>(selected->Index()) : std::nullopt,
        target ? std::optional<int>(target->Index()) : std::nullopt, ActionsList->ItemCount());
}

void TMainForm::ActionsListDragDrop(TObject*, TObject*, int x, int y) {
    TAction* item = actionPanel_->Item();
    const TListItem* selected = ActionsList->Selected();
    const TListItem* target = ActionsList->GetItemAt(x, y);
    if (item == nullptr || selected == nullptr || target == nullptr)
        return;
    ActionPanelEdited(DropActionRow(document_, *item, selected->Index(), target->Index()));
}

} // namespace tav
