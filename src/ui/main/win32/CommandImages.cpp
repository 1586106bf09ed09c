#include "ui/main/win32/CommandImages.h"

#include <functional>

namespace tav {

namespace {

constexpr int kSize = 16;
// Never drawn in a picture; it marks what stays transparent.
constexpr COLORREF kTransparent = RGB(255, 0, 255);

void Draw(TImageList& list, const std::function<void(HDC)>& paint) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH background = CreateSolidBrush(kTransparent);
    const RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, background);
    DeleteObject(background);
    paint(dc);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
    ImageList_AddMasked(list.Handle(), bitmap, kTransparent);
    DeleteObject(bitmap);
}

void Shape(HDC dc, COLORREF fill, COLORREF outline, bool round, RECT r) {
    HBRUSH brush = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, outline);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    if (round)
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    else
        RoundRect(dc, r.left, r.top, r.right, r.bottom, 4, 4);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

// A command's button: its colour tells whether it is learned and recognised.
void Button(TImageList& list, COLORREF fill, COLORREF outline) {
    Draw(list, [&](HDC dc) { Shape(dc, fill, outline, true, {2, 2, 14, 14}); });
}

} // namespace

void AddCommandImages(TImageList& list) {
    // A remote: a dark body with a row of keys.
    Draw(list, [](HDC dc) {
        Shape(dc, RGB(64, 64, 72), RGB(16, 16, 16), false, {4, 0, 12, 16});
        Shape(dc, RGB(220, 40, 40), RGB(220, 40, 40), true, {6, 2, 10, 6});
        for (int y : {8, 11})
            Shape(dc, RGB(200, 200, 200), RGB(200, 200, 200), false, {6, y, 10, y + 2});
    });
    Button(list, RGB(255, 255, 255), RGB(128, 128, 128)); // not learned
    Button(list, RGB(160, 160, 160), RGB(96, 96, 96));    // learned, not recognised
    Button(list, RGB(40, 180, 60), RGB(0, 100, 20));      // learned and recognised
    Button(list, RGB(255, 200, 0), RGB(160, 100, 0));     // selected
}

} // namespace tav
