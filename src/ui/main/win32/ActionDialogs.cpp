#include "ui/main/win32/ActionDialogs.h"

#include "ui/action/win32/ActionForm.h"

namespace tav {

std::optional<std::string> TActionDialogs::NewAction() {
    return Run(editor_());
}

// A string the editor cannot show as it is is refused with an error, before the editor shows.
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

} // namespace tav
