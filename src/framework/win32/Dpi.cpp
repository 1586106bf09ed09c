#include "framework/win32/Dpi.h"

#include <cstring>
#include <map>
#include <vector>

namespace tav {
namespace {

// Bound at run time: the per-monitor functions exist only on newer Windows versions.
template <class Fn> Fn User32Function(const char* name) {
    static HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

LOGFONTA SystemMessageLogFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTA fallback{};
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
        return fallback;
    }
    // Windows describes the font at the system DPI; keep it at the design DPI.
    LOGFONTA font = metrics.lfMessageFont;
    font.lfHeight =
        MulDiv(font.lfHeight, static_cast<int>(kDesignDpi), static_cast<int>(SystemDpi()));
    return font;
}

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) {
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfCharSet == b.lfCharSet && std::strcmp(a.lfFaceName, b.lfFaceName) == 0;
}

struct FontCache {
    bool read = false;
    LOGFONTA design{};
    std::map<UINT, HFONT> byDpi;
    std::vector<HFONT> retired;
};

FontCache& Fonts() {
    static FontCache cache;
    return cache;
}

const LOGFONTA& DesignFont() {
    FontCache& cache = Fonts();
    if (!cache.read) {
        cache.design = ReadMessageLogFont();
        cache.read = true;
    }
    return cache.design;
}

} // namespace

std::function<LOGFONTA()> ReadMessageLogFont = SystemMessageLogFont;

UINT SystemDpi() {
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (getDpiForSystem != nullptr)
        return getDpiForSystem();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

UINT WindowDpi(HWND wnd) {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && wnd != nullptr)
        if (const UINT dpi = getDpiForWindow(wnd); dpi != 0)
            return dpi;
    return SystemDpi();
}

int DesignToPixels(int design, UINT dpi) {
    return MulDiv(design, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

int PixelsToDesign(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(kDesignDpi), static_cast<int>(dpi));
}

HFONT MessageFont(UINT dpi) {
    FontCache& cache = Fonts();
    if (auto it = cache.byDpi.find(dpi); it != cache.byDpi.end())
        return it->second;
    LOGFONTA font = DesignFont();
    font.lfHeight = DesignToPixels(font.lfHeight, dpi);
    HFONT made = CreateFontIndirectA(&font);
    if (made == nullptr)
        made = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    cache.byDpi[dpi] = made;
    return made;
}

bool RefreshMessageFont() {
    FontCache& cache = Fonts();
    const LOGFONTA fresh = ReadMessageLogFont();
    if (cache.read && SameFont(fresh, cache.design))
        return false;
    // Fonts of two changes ago are no longer selected into any control.
    for (HFONT font : cache.retired)
        DeleteObject(font);
    cache.retired.clear();
    for (const auto& [dpi, font] : cache.byDpi)
        cache.retired.push_back(font);
    cache.byDpi.clear();
    cache.design = fresh;
    cache.read = true;
    return true;
}

RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, bool menu, UINT dpi) {
    static const auto adjustForDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&client, style, menu, exStyle, dpi))
        AdjustWindowRectEx(&client, style, menu, exStyle);
    return client;
}

TSize TextExtent(HFONT font, const std::string& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    // An empty caption still takes a line, so that rows keep their height.
    const std::string measured = text.empty() ? std::string(" ") : text;
    DrawTextA(dc, measured.c_str(), static_cast<int>(measured.size()), &r,
              DT_CALCRECT | DT_EXPANDTABS | DT_NOCLIP);
    SelectObject(dc, old);
    DeleteDC(dc);
    return {text.empty() ? 0 : static_cast<int>(r.right - r.left),
            static_cast<int>(r.bottom - r.top)};
}

} // namespace tav
