#include "ui/layouts/win32/LayoutsForm.h"

#include "framework/win32/Seams.h"
#include "framework/win32/TopLevelWindows.h"
#include "support/help/HelpContexts.h"
#include "ui/lang/DirectRead.h"
#include "ui/lang/FormTranslations.h"
#include "ui/layouts/win32/LayoutPropForm.h"
#include "ui/main/NamePrompts.h"

#include <memory>

namespace tav {

namespace {

// The layout that the New button proposes; a name of the user's, not translated.
constexpr const char* kNewLayoutName = "My layout";

const std::string_view kColumnKeys[] = {direct::LayoutsFormColumn0Caption,
                                        direct::LayoutsFormColumn1Caption,
                                        direct::LayoutsFormColumn2Caption};

} // namespace

TLayoutsForm::TLayoutsForm(TComponent* owner, TDocument& doc, std::string languageFile)
    : TForm(owner, "LayoutsForm", TBorderStyle::Dialog), rows_(doc),
      languageFile_(std::move(languageFile)) {
    SetCaption("Layout setup");
    Position = TPosition::OwnerFormCenter;
    HelpContext = help::kLayoutsContext;

    TAV_CREATE(LayoutList, {.Parent = this,
                            .Width = 370,
                            .Height = 200,
                            .OnClick = Handler(&TLayoutsForm::LayoutListClick),
                            .OnDblClick = Handler(&TLayoutsForm::LayoutListDblClick)});
    LayoutList->SetRowSelect(true);
    LayoutList->OnSelectItem = Handler(&TLayoutsForm::LayoutListSelectItem);
    TAV_CREATE(NewLayoutBtn, {.Parent = this,
                              .Caption = "&New layout",
                              .OnClick = Handler(&TLayoutsForm::NewLayoutBtnClick)});
    TAV_CREATE(DeleteLayoutBtn, {.Parent = this,
                                 .Caption = "&Delete layout",
                                 .OnClick = Handler(&TLayoutsForm::DeleteLayoutBtnClick)});
    TAV_CREATE(PropLayoutBtn, {.Parent = this,
                               .Caption = "&Properties...",
                               .OnClick = Handler(&TLayoutsForm::PropLayoutBtnClick)});
    TAV_CREATE(RunningAppsGrpBx, {.Parent = this, .Caption = "Running applications"});
    // The icons are the windows' own, at the size the screen shows small icons.
    AppIconsList = new TImageList(this, "AppIconsList", ToPixels(16), ToPixels(16));
    TAV_CREATE(AppsTreeList, {.Parent = RunningAppsGrpBx, .Width = 260, .Height = 200});
    AppsTreeList->SetReadOnly(true);
    AppsTreeList->SetImages(AppIconsList);
    AppsTreeList->OnChange = Handler(&TLayoutsForm::AppsTreeListChange);
    TAV_CREATE(ShowAllChBx, {.Parent = RunningAppsGrpBx,
                             .Caption = "Show invisible windows",
                             .OnClick = Handler(&TLayoutsForm::ShowAllChBxClick)});
    // The built-in "A&dd to layouts" shared its letter with "&Delete layout".
    TAV_CREATE(AddBtn, {.Parent = RunningAppsGrpBx,
                        .Caption = "Add &to layouts",
                        .OnClick = Handler(&TLayoutsForm::AddBtnClick)});
    // No default button: Enter in the list or the tree does not close the dialog.
    TAV_CREATE(AcceptBtn, {.Parent = this,
                           .Caption = "&Accept",
                           .ModalResult = mrOk,
                           .OnClick = Handler(&TLayoutsForm::AcceptBtnClick)});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "&Cancel", .ModalResult = mrCancel, .Cancel = true});
    TAV_CREATE(
        HelpBtn,
        {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TLayoutsForm::HelpBtnClick)});
    Lang = CreateFormLanguage(this, LayoutsFormTranslations);
    OnShow = Handler(&TLayoutsForm::FormShow);

    LayoutList->AddColumn("Layout name", 100);
    LayoutList->AddColumn("Window title", 150);
    LayoutList->AddColumn("Class name", 115);
    for (int column = 0; column < 3; ++column)
        LayoutList->SetColumnMinWidth(column, 50);

    SetLayout(Column({
        Expand(Row({Expand(Column({Expand(LayoutList),
                                   Buttons({NewLayoutBtn, DeleteLayoutBtn, PropLayoutBtn})})),
                    Expand(Group(RunningAppsGrpBx,
                                 Column({Expand(AppsTreeList), Row({ShowAllChBx, Stretch()}),
                                         Buttons({AddBtn})})))})),
        Buttons({AcceptBtn, CancelBtn, HelpBtn}),
    }));

    ShowRows(-1);
    ListApplications();
}

void TLayoutsForm::FormShow(TObject*) {
    // The nodes show their whole text; a tip over them would only repeat it.
    SendMessageA(AppsTreeList->Handle(), TVM_SETTOOLTIPS, 0, 0);
    if (languageFile_.empty())
        return;
    Lang->SetLanguageFile(languageFile_);
    const StringList lines = LoadTextLines(languageFile_);
    if (const std::string caption = ReadDirectKey(lines, direct::LayoutsFormCaption);
        !caption.empty())
        SetCaption(caption);
    for (int column = 0; column < 3; ++column)
        if (const std::string caption = ReadDirectKey(lines, kColumnKeys[column]); !caption.empty())
            LayoutList->SetColumnCaption(column, caption);
}

void TLayoutsForm::ShowRows(int selected) {
    LayoutList->Clear();
    for (const TLayoutRow& row : rows_.Rows()) {
        TListItem* item = LayoutList->AddItem();
        item->SetCaption(row.Texts.Name);
        item->SetSubItems({row.Texts.WndTitle, row.Texts.Application});
    }
    LayoutList->SetItemIndex(selected);
    UpdateLayoutButtons();
}

void TLayoutsForm::UpdateLayoutButtons() {
    const bool editable = LayoutRowEditable(LayoutList->ItemIndex());
    DeleteLayoutBtn->SetEnabled(editable);
    PropLayoutBtn->SetEnabled(editable);
}

void TLayoutsForm::ListApplications() {
    AppsTreeList->Clear();
    AppIconsList->Clear();
    apps_ = tav::ListApplications(TopLevelWindows(), IdOf(Application().Handle()),
                                  ShowAllChBx->Checked());
    for (const TAppNode& app : apps_) {
        TTreeNode* root =
            AppsTreeList->Add(nullptr, RootNodeText(app.Root), const_cast<TAppWindow*>(&app.Root));
        int image = I_IMAGENONE;
        if (const auto icon =
                reinterpret_cast<HICON>(GetClassLongPtrA(WindowOf(app.Root.Window), GCLP_HICONSM));
            icon != nullptr)
            image = AppIconsList->AddIcon(icon);
        root->SetImageIndex(image);
        root->SetSelectedIndex(image);
        for (const TAppWindow& owned : app.Owned) {
            TTreeNode* node =
                AppsTreeList->AddChild(root, OwnedNodeText(owned), const_cast<TAppWindow*>(&owned));
            node->SetImageIndex(I_IMAGENONE);
            node->SetSelectedIndex(I_IMAGENONE);
        }
    }
    AppsTreeList->SetSelected(nullptr);
    AddBtn->SetEnabled(false);
}

const TAppWindow* TLayoutsForm::WindowOfNode(const TTreeNode* node) const {
    return node != nullptr ? static_cast<const TAppWindow*>(node->Data) : nullptr;
}

void TLayoutsForm::AppsTreeListChange(TObject*, TTreeNode* node) {
    AddBtn->SetEnabled(node != nullptr);
}

void TLayoutsForm::ShowAllChBxClick(TObject*) {
    ListApplications();
}

// The texts come from the windows the nodes stand for: a title may hold the ";" that the
// node's text puts between title and class.
void TLayoutsForm::AddBtnClick(TObject*) {
    const TTreeNode* node = AppsTreeList->Selected();
    if (node == nullptr)
        return;
    const TTreeNode* root = node->Parent() != nullptr ? node->Parent() : node;
    if (!rows_.Append(LayoutTextsOf(*WindowOfNode(root), *WindowOfNode(node)))) {
        RefuseEmptyLayoutName(*this, *Lang);
        return;
    }
    ShowRows(LayoutList->ItemIndex());
}

void TLayoutsForm::NewLayoutBtnClick(TObject*) {
    TLayoutTexts texts{kNewLayoutName, "", ""};
    if (EditLayoutTexts(languageFile_, texts) && rows_.Append(std::move(texts)))
        ShowRows(LayoutList->ItemIndex());
}

void TLayoutsForm::PropLayoutBtnClick(TObject*) {
    const int row = LayoutList->ItemIndex();
    if (!LayoutRowEditable(row))
        return;
    TLayoutTexts texts = rows_.Rows()[static_cast<std::size_t>(row)].Texts;
    if (EditLayoutTexts(languageFile_, texts) && rows_.Replace(row, std::move(texts)))
        ShowRows(row);
}

void TLayoutsForm::DeleteLayoutBtnClick(TObject*) {
    const int row = LayoutList->ItemIndex();
    const bool deleted = rows_.Delete(row, [this](const std::string& name) {
        const std::string question = Lang->GetMessageText(msg::DeleteLayoutQuestion) +
                                     QuotedName(name) +
                                     Lang->GetMessageText(msg::DeleteLayoutQuestionEnd);
        return ShowMessageBox(question, Lang->GetMessageText(msg::DeleteLayout),
                              MB_YESNO | MB_ICONQUESTION) == IDYES;
    });
    if (deleted)
        ShowRows(-1);
}

void TLayoutsForm::LayoutListClick(TObject*) {
    UpdateLayoutButtons();
}

void TLayoutsForm::LayoutListSelectItem(TObject*, TListItem*, bool) {
    UpdateLayoutButtons();
}

void TLayoutsForm::LayoutListDblClick(TObject* sender) {
    if (LayoutRowEditable(LayoutList->ItemIndex()))
        PropLayoutBtnClick(sender);
}

void TLayoutsForm::AcceptBtnClick(TObject*) {
    rows_.Accept();
}

void TLayoutsForm::HelpBtnClick(TObject*) {
    Application().HelpContext(help::kLayoutsContext);
}

bool EditLayoutsInDialog(TDocument& doc, const std::string& languageFile) {
    auto dialog = std::make_unique<TLayoutsForm>(nullptr, doc, languageFile);
    const bool accepted = dialog->ShowModal() == mrOk;
    dialog.reset();
    Application().ProcessMessages();
    return accepted;
}

} // namespace tav
