#pragma once
// The one service object of the visual styles: whether styled drawing is possible and wanted,
// the theme handles of each class (opened when first asked for, closed at a theme change), and
// the drawing calls by element. It watches the application window's messages from the
// window's hook chain to follow the system's theme changes.

#include "framework/Component.h"
#include "framework/win32/Seams.h"
#include "support/themes/ThemeElements.h"

#include <windows.h>

#include <uxtheme.h>

#include <array>
#include <functional>
#include <string>

namespace tav {
class TControl;
} // namespace tav

namespace tav::themes {

// The common-controls library's version as major << 16 | minor, by default that of the loaded
// module (LoadedComCtlVersion); tests set another.
using ComCtlVersionFn = std::function<DWORD()>;
TSeam<ComCtlVersionFn>& ComCtlVersionSeam();

class TThemeServices : public TObject {
public:
    // `serviceWindow` is the window whose messages are watched (the application's); none
    // watches nothing.
    explicit TThemeServices(HWND serviceWindow);
    ~TThemeServices() override;
    TThemeServices(const TThemeServices&) = delete;
    TThemeServices& operator=(const TThemeServices&) = delete;

    bool LibraryLoaded() const { return libraryLoaded_; }
    bool StylesInUse() const { return stylesInUse_; }
    bool ControlsAllowed() const { return controlsAllowed_; }
    // Styled drawing: the library, styles in use and the application allows styled controls.
    bool ThemesActive() const { return libraryLoaded_ && stylesInUse_ && controlsAllowed_; }
    HWND ServiceWindow() const { return serviceWindow_; }
    // Whether the object still watches its window from the hook chain.
    bool Hooked() const { return hookId_ != 0; }

    void RefreshThemeState();
    // The handle of `themeClass`, opened on first use while styles are in use; 0 when off.
    HTHEME Theme(int themeClass);
    // The cached handle, without opening it.
    HTHEME CachedTheme(int themeClass) const;
    void CloseAllThemes();
    // Closes the handles and stops watching the window: the program's end, before the
    // library goes. Everything then answers as without styles.
    void Shutdown();

    // Fired after a theme change was taken in.
    std::function<void(TObject* sender)> OnThemeChange;
    virtual void FireThemeChange();

    HRESULT DrawPart(HDC dc, const ElementDetails& details, const RECT& rect,
                     const RECT* clip = nullptr);
    RECT PartContentRect(HDC dc, const ElementDetails& details, const RECT& bounds);
    HRESULT DrawPartEdge(HDC dc, const ElementDetails& details, const RECT& rect, UINT edge,
                         UINT flags, RECT* content = nullptr);
    HRESULT DrawPartText(HDC dc, const ElementDetails& details, const std::wstring& text,
                         DWORD flags, DWORD flags2, const RECT& rect);
    // The parent's background under `wnd`; with `onlyIfTransparent` and `details`, only where
    // that element lets it show through.
    HRESULT DrawParentBack(HWND wnd, HDC dc, const RECT* rect = nullptr,
                           bool onlyIfTransparent = false, const ElementDetails* details = nullptr);
    // The styled 2-pixel border of a control with a client edge.
    void DrawClientEdge(TControl& control, bool eraseCorner);

private:
    bool WatchMessage(UINT msg);

    bool libraryLoaded_ = false;
    bool stylesInUse_ = false;
    bool controlsAllowed_ = false;
    HWND serviceWindow_ = nullptr;
    int hookId_ = 0;
    std::array<HTHEME, kThemeClassCount> handles_{};
};

// The process's service object, made on first use for the application window.
TThemeServices& GetThemeServices();
// Shuts the service object down, when one was made.
void ShutdownThemeServices();

} // namespace tav::themes
