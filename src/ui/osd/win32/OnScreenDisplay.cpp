#include "ui/osd/win32/OnScreenDisplay.h"

#include "framework/win32/Seams.h"

namespace tav {

namespace {

const char* const kClassName = "OSDClass";
const char* const kWindowTitle = "OSDWindow";

// Every message goes to the default procedure: the class brush paints the glyphs.
LRESULT CALLBACK OSDWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// Registered once for the program; false (after telling why) when that failed.
bool RegisterDisplayClass() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &OSDWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    if (RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
        return true;
    ShowMessageBox("An error occurred registering OSD class! (" + std::to_string(GetLastError()) +
                       ")",
                   "", MB_OK | MB_ICONINFORMATION);
    return false;
}

// A device context of the window with the display's font selected; both given back at the end.
class TFontDc {
public:
    TFontDc(HWND window, HFONT font)
        : window_(window), dc_(GetDC(window)), old_(SelectObject(dc_, font)) {}
    ~TFontDc() {
        SelectObject(dc_, old_);
        ReleaseDC(window_, dc_);
    }
    TFontDc(const TFontDc&) = delete;
    TFontDc& operator=(const TFontDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

TOnScreenDisplay::TOnScreenDisplay(TComponent* owner, const TSettings& settings,
                                   IErrorReporter& errors, HWND ownerWindow)
    : TComponent(owner, "OSD"), settings_(settings), errors_(errors) {
    OSDShowTimer = new TTimer(this, "OSDShowTimer");
    OSDShowTimer->SetEnabled(false);
    OSDShowTimer->OnTimer = Handler(&TOnScreenDisplay::OSDShowTimerTimer);
    if (!RegisterDisplayClass())
        return;
    // A tool window keeps off the taskbar whoever owns it.
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName,
                              kWindowTitle, WS_POPUP | WS_CLIPSIBLINGS, 0, 0, 100, 100, ownerWindow,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr)
        ApplyStyle(ReadOsdStyle(settings_));
}

TOnScreenDisplay::~TOnScreenDisplay() {
    BeginDestruction();
    if (window_ != nullptr)
        DestroyWindow(window_);
    if (font_ != nullptr)
        DeleteObject(font_);
    if (brush_ != nullptr)
        DeleteObject(brush_);
}

void TOnScreenDisplay::ApplyStyle(const TOsdStyle& style) {
    if (font_ == nullptr || !(style.Font == fontMade_)) {
        HDC screen = GetDC(nullptr);
        const int height = -MulDiv(style.Font.Size, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        HFONT font = CreateFontA(height, 0, 0, 0, style.Font.Bold ? FW_BOLD : FW_NORMAL,
                                 style.Font.Italic, style.Font.Underline, style.Font.StrikeOut,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, style.Font.Name.c_str());
        if (font != nullptr) {
            if (font_ != nullptr)
                DeleteObject(font_);
            font_ = font;
            fontMade_ = style.Font;
        }
    }
    if (brush_ == nullptr || style.Color != brushColor_) {
        HBRUSH brush = CreateSolidBrush(style.Color);
        SetClassLongPtrA(window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
        if (brush_ != nullptr)
            DeleteObject(brush_);
        brush_ = brush;
        brushColor_ = style.Color;
    }
}

HRGN TOnScreenDisplay::GlyphRegion(HDC dc, const std::string& text, RECT& box) {
    box = RECT{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_NOPREFIX);
    SetBkMode(dc, TRANSPARENT);
    BeginPath(dc);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_NOPREFIX);
    EndPath(dc);
    return PathToRegion(dc);
}

void TOnScreenDisplay::ShowOSD(const std::string& text) {
    BOOL saverRunning = FALSE;
    if (SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &saverRunning, 0) && saverRunning)
        MessageBeep(0);
    const TOsdStyle style = ReadOsdStyle(settings_);
    OSDShowTimer->SetEnabled(false);
    OSDShowTimer->SetInterval(style.ShowTime);
    OSDShowTimer->SetEnabled(true);
    if (window_ == nullptr)
        return;

    const std::string drawn = OsdDrawnText(text);
    if (!HasVisibleGlyph(drawn)) {
        ShowWindow(window_, SW_HIDE);
        return;
    }
    ApplyStyle(style);
    RECT box{};
    HRGN region = nullptr;
    int screenWidth = 0;
    int screenHeight = 0;
    DWORD error = 0;
    {
        TFontDc dc(window_, font_);
        region = GlyphRegion(dc.Get(), drawn, box);
        error = GetLastError();
        screenWidth = GetDeviceCaps(dc.Get(), HORZRES);
        screenHeight = GetDeviceCaps(dc.Get(), VERTRES);
    }
    if (region == nullptr) {
        if (!regionErrorShown_)
            errors_.ShowError("The on-screen display could not shape the text \"" + drawn +
                              "\" (system error " + std::to_string(error) + ").");
        regionErrorShown_ = true;
        return;
    }
    regionErrorShown_ = false;
    // The shape first: shown before it, the window would flash as a rectangle. The window owns
    // the region from here on.
    SetWindowRgn(window_, region, TRUE);
    const TOsdPlace place = CentredPlace(screenWidth, screenHeight, box.right, box.bottom);
    SetWindowPos(window_, HWND_TOPMOST, place.X, place.Y, box.right, box.bottom,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    // A window of the same place and shape is not painted again by itself, and its glyphs
    // would keep an earlier colour.
    InvalidateRect(window_, nullptr, TRUE);
}

void TOnScreenDisplay::OSDShowTimerTimer(TObject*) {
    OSDShowTimer->SetEnabled(false);
    suffix_.clear();
    if (window_ != nullptr)
        ShowWindow(window_, SW_HIDE);
}

} // namespace tav
