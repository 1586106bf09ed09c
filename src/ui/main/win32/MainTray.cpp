// The main window behind its tray icon.

#include "ui/main/win32/MainForm.h"

namespace tav {

void TMainForm::ShowReceiving() {}

bool TMainForm::IconVisible() const {
    return false;
}

} // namespace tav
