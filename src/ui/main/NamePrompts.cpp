#include "ui/main/NamePrompts.h"

#include "engine/document/Names.h"
#include "ui/lang/FormTranslations.h"

namespace tav {

bool RefusedAsEmpty(INamePrompts& prompts, std::string_view name) {
    if (!IsEmptyName(name))
        return false;
    prompts.Refuse(prompts.Translate(std::string(msg::EmptyName)));
    return true;
}

std::optional<std::string> AskUsableName(INamePrompts& prompts, const std::string& caption,
                                         const std::string& prompt, const std::string& name) {
    std::optional<std::string> typed = prompts.AskName(caption, prompt, name);
    if (typed && RefusedAsEmpty(prompts, *typed))
        return std::nullopt;
    return typed;
}

std::string QuotedName(std::string_view name) {
    if (name.size() <= kQuotedNameLength)
        return std::string(name);
    return std::string(name.substr(0, kQuotedNameLength - 3)) + "...";
}

} // namespace tav
