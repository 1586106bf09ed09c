#pragma once
// Screen resolution and the message font. Forms and controls state positions and sizes in
// design units (1/96 inch, as at 96 DPI); this is the one place that converts them for a
// window's real DPI, and the one source of the font every control shows its text in.

#include <windows.h>

#include <functional>
#include <string>

namespace tav {

constexpr UINT kDesignDpi = 96;

struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};

// The DPI a window is shown at (its monitor's, for a per-monitor aware program); the system
// DPI where Windows cannot tell per window.
UINT WindowDpi(HWND wnd);
UINT SystemDpi();

// Design units to pixels at `dpi` and back, rounding to the nearest.
int DesignToPixels(int design, UINT dpi);
int PixelsToDesign(int pixels, UINT dpi);

// The system's message font made for `dpi`; one font per DPI, shared by every control.
HFONT MessageFont(UINT dpi);
// Reads the message font anew (the user changed it): returns true when it differs from the
// one in use; the fonts handed out before stay valid until the next change.
bool RefreshMessageFont();
// Where the message font's description comes from, at 96 DPI; tests replace it.
extern std::function<LOGFONTA()> ReadMessageLogFont;

// The window rectangle that gives `client` pixels of client area at `dpi`.
RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, bool menu, UINT dpi);

// The size of `text` in `font`, in pixels; "&" marks a mnemonic as in a caption.
TSize TextExtent(HFONT font, const std::string& text);

} // namespace tav
