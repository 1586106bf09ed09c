#pragma once
// The dialogs of the action-item panel: the action editor, for a new action as its last use
// left it and for an action of the list, and the layouts dialog.

#include "ui/main/ActionPanel.h"

#include <functional>
#include <string>

namespace tav {

class TActionForm;

class TActionDialogs : public IActionDialogs {
public:
    // `editor` gives the editor, made when it does not exist yet; `editLayouts` runs the
    // layouts dialog and tells whether it was accepted.
    TActionDialogs(std::function<TActionForm&()> editor, std::function<bool()> editLayouts)
        : editor_(std::move(editor)), editLayouts_(std::move(editLayouts)) {}

    std::optional<std::string> NewAction() override;
    std::optional<std::string> Edit(const std::string& action) override;
    bool EditLayouts() override { return editLayouts_(); }

private:
    std::optional<std::string> Run(TActionForm& editor);

    std::function<TActionForm&()> editor_;
    std::function<bool()> editLayouts_;
};

} // namespace tav
