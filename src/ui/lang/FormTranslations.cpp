#include "ui/lang/FormTranslations.h"

namespace tav {

TLanguage* CreateFormLanguage(TComponent* form, const TFormTranslations& table) {
    auto* lang = new TLanguage(form, "Lang");
    lang->SetProperties(StringList(table.Properties.begin(), table.Properties.end()));
    // The setter turns an empty separator into ","; a form without list values keeps none.
    if (!table.Separator.empty())
        lang->SetSeparator(std::string(table.Separator));
    lang->SetAutoTranslate(true);
    return lang;
}

} // namespace tav
