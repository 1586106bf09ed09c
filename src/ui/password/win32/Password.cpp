#include "ui/password/win32/Password.h"

#include "ui/lang/DirectRead.h"
#include "ui/lang/FormTranslations.h"

#include <memory>

namespace tav {

TInputDlg::TInputDlg(TComponent* owner, std::string languageFile, TInputMode mode)
    : TForm(owner, "InputDlg", TBorderStyle::Dialog), languageFile_(std::move(languageFile)),
      mode_(mode) {
    SetCaption("Settings protection");
    Position = TPosition::OwnerFormCenter;

    TAV_CREATE(EnterPasswordLbl, {.Parent = this, .Caption = "Enter password:"});
    TAV_CREATE(PasswordEdBx, {.Parent = this, .Width = 240});
    TAV_CREATE(OKBtn, {.Parent = this, .Caption = "OK", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "Cancel", .ModalResult = mrCancel, .Cancel = true});
    Lang = CreateFormLanguage(this, InputDlgTranslations);
    if (mode_ == TInputMode::Password)
        PasswordEdBx->SetPasswordChar('*');

    OnShow = Handler(&TInputDlg::FormShow);
    SetLayout(Column({EnterPasswordLbl, PasswordEdBx, Buttons({OKBtn, CancelBtn})}));
}

void TInputDlg::FormShow(TObject*) {
    if (languageFile_.empty())
        return;
    Lang->SetLanguageFile(languageFile_);
    if (mode_ != TInputMode::Password)
        return;
    const StringList lines = LoadTextLines(languageFile_);
    if (const std::string caption = ReadDirectKey(lines, direct::PasswordDlgCaption);
        !caption.empty())
        SetCaption(caption);
    if (const std::string prompt = ReadDirectKey(lines, direct::PasswordDlgPromptCaption);
        !prompt.empty())
        EnterPasswordLbl->SetCaption(prompt);
}

bool InputQueryDlg(const std::string& caption, const std::string& prompt, std::string& value,
                   const std::string& languageFile) {
    const auto dialog =
        std::make_unique<TInputDlg>(&Application(), languageFile, TInputMode::PlainText);
    dialog->SetCaption(caption);
    dialog->EnterPasswordLbl->SetCaption(prompt);
    dialog->PasswordEdBx->SetText(value);
    if (dialog->ShowModal() != mrOk)
        return false;
    value = dialog->PasswordEdBx->Text();
    return true;
}

} // namespace tav
