#include "framework/win32/DrawnImages.h"

#include <algorithm>

namespace tav {

namespace {

// Never drawn in a picture; it marks what stays transparent.
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// Selects a solid brush and a pen of `width` pixels for one shape.
class TShapeTools {
public:
    TShapeTools(HDC dc, COLORREF fill, COLORREF outline, int width)
        : dc_(dc), brush_(CreateSolidBrush(fill)), pen_(CreatePen(PS_SOLID, width, outline)),
          oldBrush_(SelectObject(dc, brush_)), oldPen_(SelectObject(dc, pen_)) {}
    ~TShapeTools() {
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldPen_);
        DeleteObject(brush_);
        DeleteObject(pen_);
    }
    TShapeTools(const TShapeTools&) = delete;
    TShapeTools& operator=(const TShapeTools&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HPEN pen_;
    HGDIOBJ oldBrush_;
    HGDIOBJ oldPen_;
};

} // namespace

RECT TImageCanvas::ToPixels(RECT design) const {
    return {ToPixels(design.left), ToPixels(design.top), ToPixels(design.right),
            ToPixels(design.bottom)};
}

void TImageCanvas::Ellipse(RECT design, COLORREF fill, COLORREF outline) {
    TShapeTools tools(dc_, fill, outline, std::max(1, ToPixels(1)));
    const RECT r = ToPixels(design);
    ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

void TImageCanvas::RoundRect(RECT design, int corner, COLORREF fill, COLORREF outline) {
    TShapeTools tools(dc_, fill, outline, std::max(1, ToPixels(1)));
    const RECT r = ToPixels(design);
    ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, ToPixels(corner), ToPixels(corner));
}

void TImageCanvas::Polygon(std::initializer_list<POINT> design, COLORREF fill, COLORREF outline) {
    TShapeTools tools(dc_, fill, outline, std::max(1, ToPixels(1)));
    std::vector<POINT> points;
    for (POINT p : design)
        points.push_back({ToPixels(p.x), ToPixels(p.y)});
    ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
}

void TImageCanvas::Line(POINT from, POINT to, COLORREF colour, int width) {
    TShapeTools tools(dc_, colour, colour, std::max(1, ToPixels(width)));
    MoveToEx(dc_, ToPixels(from.x), ToPixels(from.y), nullptr);
    LineTo(dc_, ToPixels(to.x), ToPixels(to.y));
}

TDrawnImageList::TDrawnImageList(TComponent* owner, std::string name, int size)
    : TImageList(owner, std::move(name), size, size), size_(size) {}

int TDrawnImageList::AddDrawn(TImagePainter paint) {
    painters_.push_back(std::move(paint));
    Draw(painters_.back());
    return Count() - 1;
}

void TDrawnImageList::FollowDpi(UINT dpi) {
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    // Taking another size empties the list; its handle stays, so the controls keep it.
    const int pixels = DesignToPixels(size_, dpi_);
    ImageList_SetIconSize(Handle(), pixels, pixels);
    for (const TImagePainter& paint : painters_)
        Draw(paint);
}

void TDrawnImageList::Draw(const TImagePainter& paint) {
    const int pixels = DesignToPixels(size_, dpi_);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, pixels, pixels);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH background = CreateSolidBrush(kTransparent);
    const RECT all{0, 0, pixels, pixels};
    FillRect(dc, &all, background);
    DeleteObject(background);
    TImageCanvas canvas(dc, dpi_);
    paint(canvas);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    ImageList_AddMasked(Handle(), bitmap, kTransparent);
    DeleteObject(bitmap);
}

} // namespace tav
