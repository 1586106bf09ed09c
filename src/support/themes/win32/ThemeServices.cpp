#include "support/themes/win32/ThemeServices.h"

#include "framework/win32/Forms.h"
#include "support/themes/win32/LoadedCommonControls.h"
#include "support/themes/win32/UxTheme.h"

namespace tav::themes {
namespace {

// Styled controls need the common controls of version 6.0 or later.
constexpr DWORD kFirstStyledComCtl = 0x60000;

TThemeServices* g_services = nullptr;

} // namespace

TSeam<ComCtlVersionFn>& ComCtlVersionSeam() {
    static TSeam<ComCtlVersionFn> seam{&LoadedComCtlVersion};
    return seam;
}

TThemeServices::TThemeServices(HWND serviceWindow) : serviceWindow_(serviceWindow) {
    if (serviceWindow_ != nullptr)
        hookId_ = Application().HookMainWindow([this](TMessage& m) { return WatchMessage(m.Msg); });
    libraryLoaded_ = LoadUxTheme();
    RefreshThemeState();
}

TThemeServices::~TThemeServices() {
    Shutdown();
}

void TThemeServices::Shutdown() {
    if (hookId_ != 0)
        Application().UnhookMainWindow(hookId_);
    hookId_ = 0;
    CloseAllThemes();
    if (libraryLoaded_)
        UnloadUxTheme();
    libraryLoaded_ = stylesInUse_ = controlsAllowed_ = false;
}

bool TThemeServices::WatchMessage(UINT msg) {
    if (msg == WM_DESTROY) {
        Application().UnhookMainWindow(hookId_);
        hookId_ = 0;
    } else if (msg == WM_THEMECHANGED) {
        RefreshThemeState();
        FireThemeChange();
    }
    return false;
}

void TThemeServices::RefreshThemeState() {
    if (stylesInUse_)
        CloseAllThemes();
    stylesInUse_ = libraryLoaded_ && UxThemeActive() && ComCtlVersionSeam()() >= kFirstStyledComCtl;
    controlsAllowed_ = stylesInUse_ && (ux::GetThemeAppProperties() & STAP_ALLOW_CONTROLS) != 0;
}

HTHEME TThemeServices::Theme(int themeClass) {
    const wchar_t* name = ThemeClassName(themeClass);
    if (name == nullptr || !stylesInUse_)
        return nullptr;
    HTHEME& handle = handles_[static_cast<std::size_t>(themeClass)];
    if (handle == nullptr)
        handle = ux::OpenThemeData(serviceWindow_, name);
    return handle;
}

HTHEME TThemeServices::CachedTheme(int themeClass) const {
    return ThemeClassName(themeClass) != nullptr ? handles_[static_cast<std::size_t>(themeClass)]
                                                 : nullptr;
}

void TThemeServices::CloseAllThemes() {
    for (HTHEME& handle : handles_) {
        if (handle != nullptr)
            ux::CloseThemeData(handle);
        handle = nullptr;
    }
}

void TThemeServices::FireThemeChange() {
    if (OnThemeChange)
        OnThemeChange(this);
}

HRESULT TThemeServices::DrawPart(HDC dc, const ElementDetails& d, const RECT& rect,
                                 const RECT* clip) {
    return ux::DrawThemeBackground(Theme(d.Element), dc, d.Part, d.State, &rect, clip);
}

RECT TThemeServices::PartContentRect(HDC dc, const ElementDetails& d, const RECT& bounds) {
    RECT content = bounds;
    ux::GetThemeBackgroundContentRect(Theme(d.Element), dc, d.Part, d.State, &bounds, &content);
    return content;
}

HRESULT TThemeServices::DrawPartEdge(HDC dc, const ElementDetails& d, const RECT& rect, UINT edge,
                                     UINT flags, RECT* content) {
    return ux::DrawThemeEdge(Theme(d.Element), dc, d.Part, d.State, &rect, edge, flags, content);
}

HRESULT TThemeServices::DrawPartText(HDC dc, const ElementDetails& d, const std::wstring& text,
                                     DWORD flags, DWORD flags2, const RECT& rect) {
    return ux::DrawThemeText(Theme(d.Element), dc, d.Part, d.State, text.c_str(),
                             static_cast<int>(text.size()), flags, flags2, &rect);
}

HRESULT TThemeServices::DrawParentBack(HWND wnd, HDC dc, const RECT* rect, bool onlyIfTransparent,
                                       const ElementDetails* details) {
    if (onlyIfTransparent && details != nullptr &&
        !ux::IsThemeBackgroundPartiallyTransparent(Theme(details->Element), details->Part,
                                                   details->State))
        return S_OK;
    return ux::DrawThemeParentBackground(wnd, dc, rect);
}

void TThemeServices::DrawClientEdge(TControl& control, bool eraseCorner) {
    HWND wnd = control.Handle();
    if ((GetWindowLongA(wnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0)
        return;
    RECT r{};
    GetWindowRect(wnd, &r);
    OffsetRect(&r, -r.left, -r.top);
    HDC dc = GetWindowDC(wnd);
    const LONG style = GetWindowLongA(wnd, GWL_STYLE);
    RECT inner = r;
    InflateRect(&inner, -2, -2);
    if (eraseCorner && (style & WS_VSCROLL) && (style & WS_HSCROLL)) {
        RECT corner{inner.right - GetSystemMetrics(SM_CXVSCROLL),
                    inner.bottom - GetSystemMetrics(SM_CYHSCROLL), inner.right, inner.bottom};
        FillRect(dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
    }
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    DrawPart(dc, EditPart(kEditTextNormal), r);
    ReleaseDC(wnd, dc);
}

TThemeServices& GetThemeServices() {
    if (g_services == nullptr)
        g_services = new TThemeServices(Application().Handle());
    return *g_services;
}

void ShutdownThemeServices() {
    if (g_services != nullptr)
        g_services->Shutdown();
}

} // namespace tav::themes
