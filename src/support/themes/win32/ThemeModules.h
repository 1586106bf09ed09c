#pragma once
// The visual styles' life around the program's forms: at the end the theme services close
// their handles and leave the application window's hook chain, then the library goes, so that
// nothing holds a handle of a freed library or calls into it.

namespace tav::themes {

class TThemeModules {
public:
    TThemeModules() = default;
    ~TThemeModules();
    TThemeModules(const TThemeModules&) = delete;
    TThemeModules& operator=(const TThemeModules&) = delete;
};

} // namespace tav::themes
