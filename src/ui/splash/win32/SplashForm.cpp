#include "ui/splash/win32/SplashForm.h"

#include "engine/config/ConfigFile.h"
#include "engine/settings/win32/FileVersion.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"

namespace tav {

TSplashForm::TSplashForm(TComponent* owner) : TForm(owner, "SplashForm", TBorderStyle::None) {
    Position = TPosition::ScreenCenter;
    SetColor(RGB(255, 255, 255));

    TAV_CREATE(Shape1, {.Parent = this});
    Shape1->SetAlign(TAlign::Client);
    TAV_CREATE(Image1, {.Parent = this, .Width = 200, .Height = 200});
    Image1->SetIconResource("APPICON");
    TAV_CREATE(AppLbl, {.Parent = this, .Caption = "Tavrilo 4.0"});
    AppLbl->SetFontStyles(fsBold);
    TAV_CREATE(LURL, {.Parent = this,
                      .Caption = kConfigWebAddress,
                      .OnClick = Handler(&TSplashForm::LURLClick)});
    LURL->SetFontStyles(fsUnderline);
    LURL->SetFontColor(RGB(0, 0, 255));
    LURL->Cursor = TCursor::HandPoint;
    LURL->SetHint("Visit program website");
    TAV_CREATE(BOK, {.Parent = this,
                     .Caption = "OK",
                     .Default = true,
                     .Cancel = true,
                     .OnClick = Handler(&TSplashForm::BOKClick)});

    OnClose = Handler(&TSplashForm::FormClose);
    SetLayout(Row({Image1, Column({Stretch(), AppLbl, LURL, Stretch(), Buttons({BOK})})}));
    FormCreate(this);
}

void TSplashForm::ShowSplash() {
    BOK->Hide();
    Realign();
    Show();
}

void TSplashForm::FormCreate(TObject*) {
    AppLbl->SetHint(GetFileVersionStr(ProgramFileName()));
}

void TSplashForm::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::Free;
}

void TSplashForm::LURLClick(TObject*) {
    const std::string address = LURL->Caption();
    // The shell's own choice of browser first, then two browsers by name.
    const TShellExecuteRequest attempts[] = {
        {.Verb = "open", .File = address},
        {.Verb = "open", .File = "netscape.exe", .Parameters = address},
        {.Verb = "open", .File = "iexplore.exe", .Parameters = address},
    };
    for (const TShellExecuteRequest& attempt : attempts)
        if (ExecuteShell(attempt).Success)
            return;
    ShowMessageBox("Sorry, your web browser could not be found", Application().Title(), MB_OK);
}

// This box's own result: whichever about box the program remembers last, the OK pressed here
// closes the box it is on.
void TSplashForm::BOKClick(TObject*) {
    if (Modal())
        ModalResult = mrOk;
    else
        Close();
}

} // namespace tav
