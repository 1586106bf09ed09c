// The main window's side of the input origins: the origin menu item, the status panel, and
// the routine of each origin.

#include "ui/main/win32/MainForm.h"

#include "framework/Text.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"

namespace tav {

void TMainForm::EnableOriginMenuClick(TObject*) {
    road_->Origins().EnableOriginMenuClick();
}

bool TMainForm::SwitchOrigin(TOrigin origin, bool active) {
    if (!active)
        return true;
    // No origin is built into the program yet: opening one says so instead of pretending.
    const auto def = std::find_if(kOrigins.begin(), kOrigins.end(),
                                  [origin](const TOriginDef& d) { return d.Origin == origin; });
    ShowWithMessages();
    ShowMessageBox(StripMenuCaption(def->Caption) + ": " +
                       Lang->GetMessageText("this input origin is not part of this version."),
                   Lang->GetMessageText(std::string(msg::InitializationResult)),
                   MB_OK | MB_ICONEXCLAMATION);
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
