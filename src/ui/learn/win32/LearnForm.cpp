#include "ui/learn/win32/LearnForm.h"

#include "framework/Text.h"
#include "support/help/HelpContexts.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

namespace tav {

namespace {
// Design width of the instructions' lines.
constexpr int kInstructionsWidth = 340;
} // namespace

TLearnCircle::TLearnCircle(TComponent* owner, TControl* parent, std::string name)
    : TGraphicControl(owner, parent, std::move(name), 0, {17, 17}) {}

void TLearnCircle::SetFillColor(COLORREF color) {
    fill_ = color;
    Invalidate();
}

void TLearnCircle::Paint(HDC dc, const RECT& r) {
    HBRUSH brush = CreateSolidBrush(fill_);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

TLearnForm::TLearnForm(TComponent* owner, TLearnQueue& queue, std::string languageFile)
    : TForm(owner, "LearnForm", TBorderStyle::Dialog), queue_(queue),
      languageFile_(std::move(languageFile)) {
    SetCaption("Learn command");
    Position = TPosition::OwnerFormCenter;
    HelpContext = help::kLearnContext;

    TAV_CREATE(Image1, {.Parent = this, .Width = 48, .Height = 48});
    Image1->SetIconResource("APPICON");
    TAV_CREATE(InstructionsLbl, {.Parent = this});
    TAV_CREATE(IncomingGrpBx, {.Parent = this, .Caption = "Incoming values"});
    TAV_CREATE(ProgressBar, {.Parent = IncomingGrpBx});
    TAV_CREATE(ProgressGrpBx, {.Parent = this, .Caption = "Progress"});
    TAV_CREATE(Circle1, {.Parent = ProgressGrpBx});
    TAV_CREATE(Circle2, {.Parent = ProgressGrpBx});
    TAV_CREATE(Circle3, {.Parent = ProgressGrpBx});
    TAV_CREATE(Circle4, {.Parent = ProgressGrpBx});
    TAV_CREATE(
        RestartBtn,
        {.Parent = this, .Caption = "&Restart", .OnClick = Handler(&TLearnForm::RestartBtnClick)});
    TAV_CREATE(AcceptBtn,
               {.Parent = this, .Caption = "&Accept", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "&Cancel", .ModalResult = mrCancel, .Cancel = true});
    TAV_CREATE(HelpBtn,
               {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TLearnForm::HelpBtnClick)});
    Lang = CreateFormLanguage(this, LearnFormTranslations);
    Lang->OnTranslate = [this](TComponent*, TComponent* component, const std::string&,
                               const std::string&, std::string& value) {
        if (component == InstructionsLbl)
            value = Wrapped(value);
    };
    InstructionsLbl->SetCaption(
        Wrapped("Send several remote commands, with some space of time between them. The bar "
                "will show the values received and the progress lights will tell you if the "
                "commands are being recognized. Once you get enough recognized commands, press "
                "Accept."));
    ProgressBar->SetRange(0, 255);
    AcceptBtn->SetEnabled(false);
    for (TLearnCircle* circle : Circles())
        circle->SetFillColor(kLearnIdleColor);

    OnShow = Handler(&TLearnForm::FormShow);
    SetLayout(Column({
        Row({Image1, Column({InstructionsLbl, Group(IncomingGrpBx, ProgressBar),
                             Group(ProgressGrpBx, Row({Circle1, Circle2, Circle3, Circle4}))})}),
        Buttons({RestartBtn, AcceptBtn, CancelBtn, HelpBtn}),
    }));
}

std::string TLearnForm::Wrapped(const std::string& text) const {
    std::string result, line;
    for (const std::string& word : SplitString(text, " ")) {
        if (word.empty())
            continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && InstructionsLbl->MeasureText(longer).Width > kInstructionsWidth) {
            result += line + "\n";
            line = word;
        } else {
            line = longer;
        }
    }
    return result + line;
}

void TLearnForm::FormShow(TObject*) {
    queue_.LastSample = -1;
    ProgressBar->SetPosition(0);
    for (TLearnCircle* circle : Circles())
        circle->SetFillColor(kLearnIdleColor);
    AcceptBtn->SetEnabled(false);
    ShowInLanguage(*this, *Lang, languageFile_, direct::LearnFormCaption);
}

void TLearnForm::RestartBtnClick(TObject* sender) {
    FormShow(sender);
}

void TLearnForm::HelpBtnClick(TObject*) {
    Application().HelpContext(help::kLearnContext);
}

void TLearnForm::SetProgressMax(int max) {
    ProgressBar->SetRange(0, max);
}

void TLearnForm::SetProgressPosition(int position) {
    ProgressBar->SetPosition(position);
}

void TLearnForm::SetCircleColor(int sample, std::uint32_t color) {
    if (sample >= 0 && sample < static_cast<int>(Circles().size()))
        Circles()[static_cast<std::size_t>(sample)]->SetFillColor(color);
}

void TLearnForm::EnableAccept() {
    AcceptBtn->SetEnabled(true);
    AcceptBtn->SetFocus();
}

} // namespace tav
