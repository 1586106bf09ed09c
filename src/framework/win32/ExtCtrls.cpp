#include "framework/win32/ExtCtrls.h"

#include <algorithm>

namespace tav {
namespace {

const char* GraphicClass() {
    return RegisterFrameworkClass("TavGraphic", CS_HREDRAW | CS_VREDRAW);
}

} // namespace

TGraphicControl::TGraphicControl(TComponent* owner, TControl* parent, std::string name, DWORD style,
                                 TSize size)
    : TControl(owner, parent, std::move(name),
               {GraphicClass(), WS_VISIBLE | style, 0, size.Width, size.Height}) {}

void TGraphicControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1; // painted whole below
        return;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r{};
        GetClientRect(Handle(), &r);
        HBRUSH brush = ColorBrush();
        FillRect(dc, &r, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
        Paint(dc, r);
        EndPaint(Handle(), &ps);
        return;
    }
    default:
        TControl::WndProc(m);
    }
}

TShape::TShape(TComponent* owner, TControl* parent, std::string name)
    // Clipped by its siblings, it never paints over the controls it frames.
    : TGraphicControl(owner, parent, std::move(name), WS_CLIPSIBLINGS, {65, 65}) {}

void TShape::SetPenColor(COLORREF color) {
    penColor_ = color;
    Invalidate();
}

void TShape::WndProc(TMessage& m) {
    if (m.Msg == WM_WINDOWPOSCHANGING) {
        // Placed, it goes under every sibling again, also those made after it.
        auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
        pos->hwndInsertAfter = HWND_BOTTOM;
        pos->flags &= ~static_cast<UINT>(SWP_NOZORDER);
    }
    TGraphicControl::WndProc(m);
}

void TShape::Paint(HDC dc, const RECT& r) {
    const int pen = std::max(ToPixels(1), 1);
    HBRUSH frame = CreateSolidBrush(penColor_);
    for (RECT edge : {RECT{r.left, r.top, r.right, r.top + pen},
                      RECT{r.left, r.bottom - pen, r.right, r.bottom},
                      RECT{r.left, r.top, r.left + pen, r.bottom},
                      RECT{r.right - pen, r.top, r.right, r.bottom}})
        FillRect(dc, &edge, frame);
    DeleteObject(frame);
}

TImage::TImage(TComponent* owner, TControl* parent, std::string name)
    : TGraphicControl(owner, parent, std::move(name), 0, {105, 105}) {}

TImage::~TImage() {
    DropIcon();
}

void TImage::SetIconResource(const std::string& name) {
    iconName_ = name;
    DropIcon();
    Invalidate();
}

void TImage::DropIcon() {
    if (icon_ != nullptr)
        DestroyIcon(icon_);
    icon_ = nullptr;
}

void TImage::Paint(HDC dc, const RECT& r) {
    const TSize size{r.right, r.bottom};
    if (icon_ != nullptr && !(iconSize_ == size))
        DropIcon();
    if (icon_ == nullptr && !iconName_.empty() && size.Width > 0 && size.Height > 0) {
        icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), iconName_.c_str(),
                                              IMAGE_ICON, size.Width, size.Height, 0));
        iconSize_ = size;
    }
    if (icon_ != nullptr)
        DrawIconEx(dc, 0, 0, icon_, size.Width, size.Height, 0, nullptr, DI_NORMAL);
}

} // namespace tav
