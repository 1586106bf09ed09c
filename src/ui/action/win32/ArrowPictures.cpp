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

// An arrow through the middle of the 16-unit square, pointing along `d`.
void DrawArrow(TImageCanvas& canvas, TDirection d) {
    const double length = std::hypot(d.X, d.Y);
    const double ux = d.X / length, uy = d.Y / length;
    constexpr double kMiddle = 8, kReach = 6.5;
    auto at = [&](double along, double across) {
        return POINT{static_cast<LONG>(std::lround(kMiddle + ux * along - uy * across)),
                     static_cast<LONG>(std::lround(kMiddle + uy * along + ux * across))};
    };
    const COLORREF colour = RGB(0, 64, 160);
    canvas.Line(at(-kReach, 0), at(kReach * 0.1, 0), colour, 2);
    canvas.Polygon({at(kReach, 0), at(0, kReach * 0.6), at(0, -kReach * 0.6)}, colour, colour);
}

} // namespace

void AddArrowPictures(TDrawnImageList& list) {
    for (const TDirection d : kDirections)
        list.AddDrawn([d](TImageCanvas& canvas) { DrawArrow(canvas, d); });
}

} // namespace tav
