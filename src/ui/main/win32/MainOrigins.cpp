// The main window's side of the input origins: the origin menu item, the status panel, and
// the routine of each origin.

#include "ui/main/win32/MainForm.h"

#include "engine/network/DdeServiceName.h"
#include "framework/Text.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/testorigin/win32/TestOriginForm.h"

namespace tav {

void TMainForm::EnableOriginMenuClick(TObject*) {
    road_->Origins().EnableOriginMenuClick();
}

// The origins stop; the dialog opens the one the user picks and shows what it receives; at
// its end every origin starts again.
void TMainForm::TestOriginMenuClick(TObject*) {
    road_->Origins().StartOrigins(false);
    std::vector<TTestOrigin> origins;
    for (const TOriginDef& def : kOrigins) {
        TTestOrigin origin{std::string(def.Caption), road_->Origins().Checked(def.Origin), {}};
        if (def.Origin != TOrigin::CdRom)
            origin.Open = [this, which = def.Origin](bool open) { SwitchOrigin(which, open); };
        origins.push_back(std::move(origin));
    }
    auto* dialog = new TTestOriginForm(
        this, std::move(origins), [this] { EnableOriginMenuClick(nullptr); }, LanguageFile());
    road_->Receiver().SetTestView(dialog);
    try {
        dialog->ShowModal();
    } catch (...) {
        road_->Receiver().SetTestView(nullptr);
        delete dialog;
        throw;
    }
    road_->Receiver().SetTestView(nullptr);
    delete dialog;
}

void TMainForm::CreateRemotePeers() {
    TcpSockets = new TTcpSockets(
        this, "TcpSockets", settings_, road_->Receiver(),
        [this](const std::string& text) { Osd->ShowPeerText(text); },
        [this] { road_->Origins().StartOrigins(false); },
        [this](const std::string& text) {
            SerialMessageBox(text, Translate(std::string(msg::InitializationResult)),
                             MB_OK | MB_ICONEXCLAMATION);
        });
    TAV_CREATE(DdeReports, {.Service = DdeServiceName(ProgramFileName())});
    // Reports stop at a new or opened document until a client opens a conversation again.
    document_.AddRunStateListener([this](TRunStateChange why) {
        if (why == TRunStateChange::Reset)
            DdeReports->DocumentReset();
    });
}

bool TMainForm::SwitchOrigin(TOrigin origin, bool active) {
    switch (origin) {
    case TOrigin::Receiver:
        return serialReceiver_->OpenSerialReceiver(active);
    case TOrigin::Console:
        return serialConsole_->OpenSerialConsole(active);
    case TOrigin::TcpControl:
        return TcpSockets->OpenTCPControl(active);
    case TOrigin::Keyboard:
        return keyboardOrigin_->OpenKeyboardHook(active);
    case TOrigin::IrServer:
        return OpenIRServer();
    case TOrigin::TvApplication:
        TvApplication->OpenAVerWindow(active);
        return true;
    case TOrigin::TvCard:
        return TvCard->OpenBestBuy(active);
    case TOrigin::CdRom:
        return false; // its box only names it in the status text: there is nothing to open
    }
    return false;
}

std::string TMainForm::EnableOriginCaption() const {
    return EnableOriginMenu->Caption();
}

bool TMainForm::EnableOriginChecked() const {
    return EnableOriginMenu->Checked();
}

void TMainForm::SetEnableOriginChecked(bool checked) {
    EnableOriginMenu->SetChecked(checked);
}

void TMainForm::SetOriginStatus(const std::string& text) {
    StatBar->SetPanelText(1, text);
}

} // namespace tav
