#include "ui/layouts/win32/LayoutPropForm.h"

#include "engine/document/Names.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

#include <memory>

namespace tav {

TLayoutPropForm::TLayoutPropForm(TComponent* owner, std::string languageFile)
    : TForm(owner, "LayoutPropForm", TBorderStyle::Dialog), languageFile_(std::move(languageFile)) {
    SetCaption("Layout properties");
    Position = TPosition::OwnerFormCenter;

    TAV_CREATE(LayoutNameLbl, {.Parent = this, .Caption = "Name of the layout:"});
    TAV_CREATE(LayoutNameEdBx, {.Parent = this, .Width = 220});
    TAV_CREATE(WinTitleLbl, {.Parent = this, .Caption = "Title of the window:"});
    TAV_CREATE(WinTitleEdBx, {.Parent = this, .Width = 220});
    TAV_CREATE(ClassNameLbl, {.Parent = this, .Caption = "Name of the class:"});
    TAV_CREATE(ClassNameEdBx, {.Parent = this, .Width = 220});
    TAV_CREATE(AcceptBtn, {.Parent = this,
                           .Caption = "&Accept",
                           .Default = true,
                           .OnClick = Handler(&TLayoutPropForm::AcceptBtnClick)});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "Cancel", .ModalResult = mrCancel, .Cancel = true});
    Lang = CreateFormLanguage(this, LayoutPropFormTranslations);
    OnShow = Handler(&TLayoutPropForm::FormShow);

    SetLayout(Column({
        LabelRows({{LayoutNameLbl, LayoutNameEdBx},
                   {WinTitleLbl, WinTitleEdBx},
                   {ClassNameLbl, ClassNameEdBx}}),
        Buttons({AcceptBtn, CancelBtn}),
    }));
}

void TLayoutPropForm::FormShow(TObject*) {
    ShowInLanguage(*this, *Lang, languageFile_, direct::LayoutPropFormCaption);
}

void TLayoutPropForm::AcceptBtnClick(TObject*) {
    if (IsEmptyName(LayoutNameEdBx->Text())) {
        RefuseEmptyLayoutName(*this, *Lang);
        FocusByKeyboard(LayoutNameEdBx);
        return;
    }
    ModalResult = mrOk;
}

void TLayoutPropForm::ShowTexts(const TLayoutTexts& texts) {
    LayoutNameEdBx->SetText(texts.Name);
    WinTitleEdBx->SetText(texts.WndTitle);
    ClassNameEdBx->SetText(texts.Application);
}

TLayoutTexts TLayoutPropForm::Texts() const {
    return {LayoutNameEdBx->Text(), WinTitleEdBx->Text(), ClassNameEdBx->Text()};
}

void RefuseEmptyLayoutName(TForm& form, TLanguage& lang) {
    ShowMessageBox(lang.GetMessageText(msg::EmptyName), form.Caption(), MB_OK | MB_ICONEXCLAMATION);
}

bool EditLayoutTexts(const std::string& languageFile, TLayoutTexts& texts) {
    auto dialog = std::make_unique<TLayoutPropForm>(nullptr, languageFile);
    dialog->ShowTexts(texts);
    if (dialog->ShowModal() != mrOk)
        return false;
    texts = dialog->Texts();
    return true;
}

} // namespace tav
