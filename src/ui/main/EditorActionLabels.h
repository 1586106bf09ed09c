#pragma once
// The texts that describe actions: the action editor's, as translated now, once the editor
// exists, and the built-in English ones before.

#include "engine/actions/ActionLabels.h"

#include <functional>

namespace tav {

class TEditorActionLabels : public ActionLabels {
public:
    // `editor` gives the editor's texts, or none while there is no editor.
    explicit TEditorActionLabels(std::function<const ActionLabels*()> editor)
        : editor_(std::move(editor)) {}
    std::optional<std::string> Item(ActionList list, std::int32_t index) const override {
        return Current().Item(list, index);
    }
    std::string Caption(ActionOption option) const override { return Current().Caption(option); }
    std::optional<std::string> MixerLineName(std::int32_t destination,
                                             std::int32_t line) const override {
        return Current().MixerLineName(destination, line);
    }

private:
    const ActionLabels& Current() const {
        const ActionLabels* editor = editor_();
        return editor != nullptr ? *editor : builtIn_;
    }
    std::function<const ActionLabels*()> editor_;
    DefaultActionLabels builtIn_;
};

} // namespace tav
