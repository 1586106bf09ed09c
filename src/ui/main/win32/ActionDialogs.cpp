#include "ui/main/win32/ActionDialogs.h"

#include "framework/win32/Seams.h"
#include "ui/action/win32/ActionForm.h"

namespace tav {

std::optional<std::string> TActionDialogs::NewAction() {
    return Run(editor_());
}

// A string of no kind shows the editor as it was.
std::optional<std::string> TActionDialogs::Edit(const std::string& action) {
    TActionForm& editor = editor_();
    editor.LoadActionIntoDialog(action);
    return Run(editor);
}

std::optional<std::string> TActionDialogs::Run(TActionForm& editor) {
    if (editor.ShowModal() != mrOk)
        return std::nullopt;
    return editor.ComposeAction();
}

bool TActionDialogs::EditLayouts() {
    ShowMessageBox(translate_("The layouts dialog is not part of this version."), "Tavrilo",
                   MB_OK | MB_ICONINFORMATION);
    return false;
}

} // namespace tav
