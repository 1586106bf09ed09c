// The keyboard origin in the main window: the hook library that the program carries is written
// out when the window is made and loaded when the origin first opens.

#include "components/filesrc/win32/CarriedFile.h"
#include "ui/main/win32/MainForm.h"

namespace tav {

void TMainForm::CreateKeyboardOrigin() {
    VardokFileSrc = new TFileSource(this, "VardokFileSrc");
    VardokFileSrc->SetExtension(".dll");
    LoadCarriedFile(*VardokFileSrc);
    keyboardHook_ = std::make_unique<TWin32KeyboardHook>(
        [this] { return VardokFileSrc->FileName(); }, [this] { return Handle(); });
    keyboardOrigin_ = std::make_unique<TKeyboardOrigin>(
        road_->Receiver(), *keyboardHook_, [this](const std::string& s) { return Translate(s); },
        [this](const std::string& text, const std::string& caption, unsigned flags) {
            return SerialMessageBox(text, caption, flags);
        },
        &KeyNameOf);
}

} // namespace tav
