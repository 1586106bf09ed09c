// The main window behind its tray icon: Run!, the way back past the settings password, the
// tray menu, the icon's short flash at each received code, the activation at start-up, the
// help and the about box.

#include "ui/main/win32/MainForm.h"

#include "framework/win32/Seams.h"
#include "support/help/HelpContexts.h"
#include "ui/main/win32/MenuCopy.h"
#include "ui/password/SettingsProtection.h"
#include "ui/password/win32/Password.h"

namespace tav {

namespace {
// Told when the stored password cannot be read, since then no typed text can match it.
constexpr const char* kDamagedPasswordText =
    "The stored settings password is damaged, so no password can match it. To remove the "
    "protection, delete the value \"Restore\" under HKEY_CURRENT_USER\\Software\\Tavrilo.";

HICON TrayImage(const char* resource) {
    return LoadIconA(GetModuleHandleA(nullptr), resource);
}
} // namespace

void TMainForm::SetTrayImage(const char* resource) {
    TrayIcon->SetIcon(TrayImage(resource));
}

// The user needs the action first: the flash runs once the firing that asks for it is over, and
// it never waits for the shell.
void TMainForm::ShowReceiving() {
    if (!flashPosted_)
        flashPosted_ = PostMessageA(Handle(), kTrayFlashMessage, 0, 0) != FALSE;
}

void TMainForm::FlashTrayIcon() {
    flashPosted_ = false;
    TrayIcon->SetIconNoWait(TrayImage("RECEIVING"));
    TrayColorTimer->SetEnabled(true);
}

bool TMainForm::IconVisible() const {
    return TrayIcon->IconVisible();
}

void TMainForm::TrayColorTimerTimer(TObject*) {
    TrayColorTimer->SetEnabled(false);
    TrayIcon->SetIconNoWait(TrayImage("WAITING"));
}

void TMainForm::RunBtnClick(TObject*) {
    actionRoad_->Executor().ClearAltLatch();
    if (!EnableOriginMenu->Checked() && !road_->Origins().StartOrigins(true))
        return; // the failing origin has said why
    // This window carries the program's taskbar button: hidden, only the tray icon stays.
    Hide();
    TrayIcon->SetIconVisible(true);
}

void TMainForm::TrayIconDblClick(TObject*) {
    if (restoring_)
        return;
    restoring_ = true;
    std::string typed;
    bool accepted = true;
    // The password may have been set or lifted in the registry while the program ran.
    if (!settings_.ReloadStr("Restore").empty()) {
        auto* dialog = new TInputDlg(&Application(), LanguageFile(), TInputMode::Password);
        dialog->PasswordEdBx->SetText("");
        accepted = dialog->ShowModal() == mrOk;
        typed = dialog->PasswordEdBx->Text();
        delete dialog;
        Application().ProcessMessages();
    }
    restoring_ = false;
    if (!accepted)
        return;
    switch (CheckRestorePassword(settings_.ReloadStr("Restore"), typed)) {
    case TPasswordCheck::Wrong:
        return;
    case TPasswordCheck::Corrupt:
        ShowMessageBox(Lang->GetMessageText(kDamagedPasswordText), "Tavrilo",
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    case TPasswordCheck::Right:
        break;
    }
    Application().SetCursor(TCursor::HourGlass);
    Show();
    Application().Restore();
    TrayIcon->SetIconVisible(false);
    Application().SetCursor(TCursor::Default);
    BringToFront();
}

// The tray menu shows the current state and captions of its commands: rebuilt at each opening.
void TMainForm::TrayPopUpMenuPopup(TObject*) {
    TMenuItem* items = TrayPopUpMenu->Items();
    while (items->Count() > 1)
        delete items->Item(items->Count() - 1);
    items->Add(CopyMenuItem(this, *EnableOriginMenu));
    TMenuItem* separator = nullptr;
    CreateComponent(separator, this, "TrayExitMenuItem", {.Parent = items, .Caption = "-"});
    items->Add(CopyMenuItem(this, *ExitMenu));
}

void TMainForm::FormActivate(TObject*) {
    if (TrayIcon->IconVisible())
        return;
    if (!startMinimizedDone_ && settings_.Bool("Load minimized")) {
        startMinimizedDone_ = true;
        RunBtn->Click();
        // Origins that failed to open leave the program shown, not invisible.
        if (!TrayIcon->IconVisible() && !Visible())
            Show();
    }
    if (splash_ != nullptr && splash_->Visible()) {
        splash_->Release();
        Application().ProcessMessages();
        splash_ = nullptr;
    }
}

void TMainForm::HelpBtnClick(TObject*) {
    Application().HelpContext(help::kMainWindowContext);
}

void TMainForm::IndexMenuClick(TObject*) {
    Application().HelpContext(help::kMainWindowContext);
}

void TMainForm::AboutMenuClick(TObject*) {
    splash_ = new TSplashForm(&Application());
    splash_->ShowModal();
}

} // namespace tav
