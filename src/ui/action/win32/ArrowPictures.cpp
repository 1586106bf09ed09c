#include "ui/action/win32/ArrowPictures.h"

#include <array>
#include <cmath>

namespace tav {

namespace {

struct TDirection {
    double X, Y;
};
constexpr std::array<TDirection, 8> kDirections = {
    {{0, -1}, {-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}, {-1, 1}, {1, 1}}};

} // namespace

void DrawArrowPicture(HDC dc, const RECT& rect, int direction) {
    if (direction < 0 || direction >= static_cast<int>(kDirections.size()))
        return;
    const TDirection d = kDirections[static_cast<std::size_t>(direction)];
    const double length = std::hypot(d.X, d.Y);
    const double ux = d.X / length, uy = d.Y / length;
    const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
    const double reach = (rect.right - rect.left) * 0.42;
    auto at = [&](double along, double across) {
        return POINT{static_cast<LONG>(std::lround(cx + ux * along - uy * across)),
                     static_cast<LONG>(std::lround(cy + uy * along + ux * across))};
    };
    const COLORREF colour = RGB(0, 64, 160);
    HPEN pen = CreatePen(PS_SOLID, std::max(1L, (rect.right - rect.left) / 8), colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    const POINT tail = at(-reach, 0), neck = at(reach * 0.1, 0);
    MoveToEx(dc, tail.x, tail.y, nullptr);
    LineTo(dc, neck.x, neck.y);
    const POINT head[] = {at(reach, 0), at(0, reach * 0.6), at(0, -reach * 0.6)};
    Polygon(dc, head, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

} // namespace tav
