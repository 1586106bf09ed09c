#include "ui/testorigin/win32/TestOriginForm.h"

#include "framework/Text.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

namespace tav {

TTestOriginForm::TTestOriginForm(TComponent* owner, std::vector<TTestOrigin> origins,
                                 std::function<void()> enableOrigins, std::string languageFile)
    : TForm(owner, "TestOriginForm"), origins_(std::move(origins)),
      enableOrigins_(std::move(enableOrigins)), languageFile_(std::move(languageFile)) {
    SetCaption("Test origin");
    Position = TPosition::OwnerFormCenter;

    TAV_CREATE(ShowDataFromLbl, {.Parent = this, .Caption = "Show data coming from:"});
    TAV_CREATE(ShowDataFromCoBx,
               {.Parent = this, .OnChange = Handler(&TTestOriginForm::ShowDataFromCoBxChange)});
    TAV_CREATE(DataFormatLbl, {.Parent = this, .Caption = "Data format:"});
    TAV_CREATE(DataFormatCoBx, {.Parent = this, .Items = {"Decimal", "Hexadecimal", "ASCII"}});
    TAV_CREATE(Memo, {.Parent = this, .Width = 420, .Height = 220});
    TAV_CREATE(CloseBtn,
               {.Parent = this, .Caption = "&Close", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(HelpBtn, {.Parent = this, .Caption = "&Help"});
    Lang = CreateFormLanguage(this, TestOriginFormTranslations);
    DataFormatCoBx->SetItemIndex(0);
    // A test may run for long; the edit's usual limit would silently stop the lines.
    Memo->SetMaxLength(0);

    OnShow = Handler(&TTestOriginForm::FormShow);
    OnClose = Handler(&TTestOriginForm::FormClose);
    SetLayout(Column({
        Row({ShowDataFromLbl, ShowDataFromCoBx, DataFormatLbl, DataFormatCoBx}),
        Expand(Memo),
        Buttons({CloseBtn, HelpBtn}),
    }));
}

void TTestOriginForm::AddLine(const std::string& text) {
    Memo->AddLine(text);
}

TDataFormat TTestOriginForm::Format() const {
    switch (DataFormatCoBx->ItemIndex()) {
    case 1:
        return TDataFormat::Hexadecimal;
    case 2:
        return TDataFormat::Ascii;
    default:
        return TDataFormat::Decimal;
    }
}

void TTestOriginForm::FormShow(TObject*) {
    ShowDataFromCoBx->ClearItems();
    for (const TTestOrigin& origin : origins_)
        if (origin.Checked)
            ShowDataFromCoBx->AddItem(StripMenuCaption(origin.Caption));
    if (!ShowInLanguage(*this, *Lang, languageFile_, direct::TestOriginFormCaption))
        return;
    DataFormatCoBx->SetItemIndex(0);
}

// Exactly the chosen origin is open afterwards: every other one is closed, open or not.
void TTestOriginForm::ShowDataFromCoBxChange(TObject*) {
    const int chosen = ShowDataFromCoBx->ItemIndex();
    const std::string name = chosen >= 0 ? ShowDataFromCoBx->Item(chosen) : std::string();
    for (const TTestOrigin& origin : origins_)
        if (origin.Open)
            origin.Open(chosen >= 0 && StripMenuCaption(origin.Caption) == name);
}

void TTestOriginForm::FormClose(TObject*, TCloseAction&) {
    ShowDataFromCoBx->SetItemIndex(-1);
    ShowDataFromCoBxChange(ShowDataFromCoBx);
    if (enableOrigins_)
        enableOrigins_();
}

} // namespace tav
