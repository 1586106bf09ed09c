// The main window around the settings dialog: opening it, and what the dialog reaches of the
// window while it is open.

#include "framework/win32/ProgramPath.h"
#include "ui/main/win32/MainForm.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/settings/win32/WindowsSounds.h"

namespace tav {

void TMainForm::SettingsMenuClick(TObject*) {
    if (settingsForm_ == nullptr)
        settingsForm_ = new TSettingsForm(this, settings_, *this, {ProgramFolder(), kAppEventsKey});
    settingsForm_->ShowModal();
    TcpSockets->ResumeInfoSockets();
    settings_.SetSounds(settingsForm_->Sounds());
}

void TMainForm::StopInfoSockets(int port) {
    TcpSockets->StopInfoSockets(port);
}

void TMainForm::LanguageChosen(const std::string& file) {
    TranslateForms(file);
}

void TMainForm::CopyDdeLink() {
    DdeReports->TavriloDDEServer->CopyToClipboard();
}

bool TMainForm::SetLaunchAtLogon(bool enabled) {
    return TRunKeyLaunchAtLogon(ProgramFileName(), RunKey).SetLaunchAtLogon(enabled);
}

} // namespace tav
