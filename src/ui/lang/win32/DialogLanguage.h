#pragma once
// A dialog takes the chosen language when it is shown: the translation pass over its components,
// then its caption, which the pass cannot reach, straight from the file.

#include "framework/win32/Forms.h"
#include "ui/lang/Lang.h"

#include <string>
#include <string_view>

namespace tav {

// False, and nothing changed, when there is no language file.
bool ShowInLanguage(TForm& dialog, TLanguage& lang, const std::string& file,
                    std::string_view captionKey);

} // namespace tav
