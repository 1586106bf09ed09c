#include "support/themes/win32/ThemeModules.h"

#include "support/themes/win32/ThemeServices.h"
#include "support/themes/win32/UxTheme.h"

namespace tav::themes {

TThemeModules::~TThemeModules() {
    ShutdownThemeServices();
    UnloadUxThemeCompletely();
}

} // namespace tav::themes
