#include "ui/lang/win32/DialogLanguage.h"

#include "ui/lang/DirectRead.h"

namespace tav {

bool ShowInLanguage(TForm& dialog, TLanguage& lang, const std::string& file,
                    std::string_view captionKey) {
    if (file.empty())
        return false;
    lang.SetLanguageFile(file);
    if (const std::string caption = ReadDirectKey(file, captionKey); !caption.empty())
        dialog.SetCaption(caption);
    return true;
}

} // namespace tav
