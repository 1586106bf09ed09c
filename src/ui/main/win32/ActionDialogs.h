#pragma once
// The dialogs of the action-item panel: the action editor, for a new action as its last use
// left it and for an action of the list, and the layouts dialog, which is not part of this
// version yet.

#include "ui/main/ActionPanel.h"

#include <functional>
#include <string>

namespace tav {

class TActionForm;

class TActionDialogs : public IActionDialogs {
public:
    using TTranslate = std::function<std::string(const std::string&)>;
    // `editor` gives the editor, made when it does not exist yet.
    TActionDialogs(std::function<TActionForm&()> editor, TTranslate translate)
        : editor_(std::move(editor)), translate_(std::move(translate)) {}

    std::optional<std::string> NewAction() override;
    std::optional<std::string> Edit(const std::string& action) override;
    bool EditLayouts() override;

private:
    std::optional<std::string> Run(TActionForm& editor);

    std::function<TActionForm&()> editor_;
    TTranslate translate_;
};

} // namespace tav
