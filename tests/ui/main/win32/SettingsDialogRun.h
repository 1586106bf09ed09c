#pragma once
// Opens the main window's settings dialog as its menu item does and runs `inside` while it is
// shown; other dialogs opened meanwhile are accepted as they come.

#include "framework/win32/Forms.h"
#include "ui/main/win32/MainForm.h"
#include "ui/settings/win32/SettingsForm.h"

#include <functional>

namespace tav::test {

inline void RunSettingsDialog(TMainForm& form, const std::function<void(TSettingsForm&)>& inside) {
    TForm::ModalHook = [&](TForm& dialog) {
        if (auto* settings = dynamic_cast<TSettingsForm*>(&dialog))
            inside(*settings);
        return static_cast<int>(mrOk);
    };
    SendMessageA(form.Handle(), WM_COMMAND, form.SettingsMenu->Command(), 0);
    TForm::ModalHook = nullptr;
}

} // namespace tav::test
