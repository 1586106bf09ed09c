#include "ui/osd/win32/OnScreenDisplay.h"

#include "framework/win32/Seams.h"

#include <algorithm>
#include <cstdint>

namespace tav {

namespace {

const char* const kClassName = "OSDClass";
const char* const kWindowTitle = "OSDWindow";

// Every message goes to the default procedure: the class brush paints the glyphs.
LRESULT CALLBACK OSDWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The class is shared by every display window, and so is its brush, which paints the glyphs of
// them all: the class owns it, and a brush it no longer has is freed when it is replaced. The
// class is registered with the first display and goes, brush and all, with the last one.
struct TDisplayClass {
    int Users = 0;
    HBRUSH Brush = nullptr;
    std::uint32_t BrushColor = 0;
};
TDisplayClass& DisplayClass() {
    static TDisplayClass displayClass;
    return displayClass;
}

// False (after telling why) when the class could not be registered.
bool AcquireDisplayClass() {
    TDisplayClass& shared = DisplayClass();
    if (shared.Users > 0) {
        ++shared.Users;
        return true;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &OSDWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    if (RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
        ++shared.Users;
        return true;
    }
    ShowMessageBox("An error occurred registering OSD class! (" + std::to_string(GetLastError()) +
                       ")",
                   "", MB_OK | MB_ICONINFORMATION);
    return false;
}

// After the display's window is gone.
void ReleaseDisplayClass() {
    TDisplayClass& shared = DisplayClass();
    if (--shared.Users > 0)
        return;
    // The system frees a class's brush with the class; a class that stays keeps it.
    if (UnregisterClassA(kClassName, GetModuleHandleA(nullptr)))
        shared.Brush = nullptr;
}

// Wine hands a window's shape to the X server in one request, which holds at most 32,767
// rectangles; a larger shape hangs or ends the program. The text bound and the font sizes keep
// the glyphs of ordinary fonts below it; a text over it is drawn smaller.
constexpr DWORD kMostShapeRectangles = 30000;

DWORD RectangleCount(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    return size > sizeof(RGNDATAHEADER) ? (size - sizeof(RGNDATAHEADER)) / sizeof(RECT) : 0;
}

HFONT CreateOsdFont(const TOsdFont& font, int size) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic,
                       font.Underline, font.StrikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.Name.c_str());
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
    classHeld_ = AcquireDisplayClass();
    if (!classHeld_)
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
    if (classHeld_)
        ReleaseDisplayClass();
    if (font_ != nullptr)
        DeleteObject(font_);
}

void TOnScreenDisplay::ApplyStyle(const TOsdStyle& style) {
    if (font_ == nullptr || !(style.Font == fontMade_)) {
        HFONT font = CreateOsdFont(style.Font, style.Font.Size);
        if (font != nullptr) {
            if (font_ != nullptr)
                DeleteObject(font_);
            font_ = font;
            fontMade_ = style.Font;
        }
    }
    TDisplayClass& shared = DisplayClass();
    if (shared.Brush != nullptr && style.Color == shared.BrushColor)
        return;
    HBRUSH brush = CreateSolidBrush(style.Color);
    if (brush == nullptr)
        return;
    // The class hands back the brush it had: anything else means it did not take the new one
    // (the window has gone) and still paints with the old one.
    if (SetClassLongPtrA(window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)) !=
        reinterpret_cast<ULONG_PTR>(shared.Brush)) {
        DeleteObject(brush);
        return;
    }
    if (shared.Brush != nullptr)
        DeleteObject(shared.Brush);
    shared.Brush = brush;
    shared.BrushColor = style.Color;
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

HRGN TOnScreenDisplay::FittingShape(HDC dc, const std::string& text, const TOsdFont& font,
                                    RECT& box, DWORD& error) {
    HRGN region = GlyphRegion(dc, text, box);
    error = GetLastError();
    int size = font.Size;
    while (region != nullptr && RectangleCount(region) > kMostShapeRectangles) {
        // The count grows about in step with the size; a tenth to spare, since it does not fall
        // quite as fast.
        const auto fitting = static_cast<int>(std::int64_t{size} * kMostShapeRectangles * 9 / 10 /
                                              RectangleCount(region));
        DeleteObject(region);
        region = nullptr;
        error = ERROR_NOT_ENOUGH_MEMORY;
        size = std::min(size - 1, fitting);
        HFONT smaller = size > 0 ? CreateOsdFont(font, size) : nullptr;
        if (smaller == nullptr)
            break;
        const HGDIOBJ previous = SelectObject(dc, smaller);
        region = GlyphRegion(dc, text, box);
        error = GetLastError();
        SelectObject(dc, previous);
        DeleteObject(smaller);
    }
    return region;
}

void TOnScreenDisplay::ShowOSD(const std::string& text) {
    Draw(text, true);
}

void TOnScreenDisplay::ShowPeerText(const std::string& text) {
    Draw(text, false);
}

void TOnScreenDisplay::Draw(const std::string& text, bool tellFailure) {
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
        region = FittingShape(dc.Get(), drawn, style.Font, box, error);
        screenWidth = GetDeviceCaps(dc.Get(), HORZRES);
        screenHeight = GetDeviceCaps(dc.Get(), VERTRES);
    }
    // The shape first: shown before it, the window would flash as a rectangle. The window owns
    // a region it took; one it did not take is still ours.
    if (region != nullptr && SetWindowRgn(window_, region, TRUE) == 0) {
        error = GetLastError();
        DeleteObject(region);
        region = nullptr;
    }
    if (region == nullptr) {
        if (tellFailure && !regionErrorShown_) {
            errors_.ShowError("The on-screen display could not shape the text \"" + drawn +
                              "\" (system error " + std::to_string(error) + ").");
            regionErrorShown_ = true;
        }
        return;
    }
    regionErrorShown_ = false;
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
