#include "ui/main/win32/CommandImages.h"

namespace tav {

namespace {

// A command's button: its colour tells whether it is learned and recognised.
void Button(TDrawnImageList& list, COLORREF fill, COLORREF outline) {
    list.AddDrawn([=](TImageCanvas& c) { c.Ellipse({2, 2, 14, 14}, fill, outline); });
}

} // namespace

void AddCommandImages(TDrawnImageList& list) {
    // A remote: a dark body with a row of keys.
    list.AddDrawn([](TImageCanvas& c) {
        c.RoundRect({4, 0, 12, 16}, 4, RGB(64, 64, 72), RGB(16, 16, 16));
        c.Ellipse({6, 2, 10, 6}, RGB(220, 40, 40), RGB(220, 40, 40));
        for (int y : {8, 11})
            c.RoundRect({6, y, 10, y + 2}, 4, RGB(200, 200, 200), RGB(200, 200, 200));
    });
    Button(list, RGB(255, 255, 255), RGB(128, 128, 128)); // not learned
    Button(list, RGB(160, 160, 160), RGB(96, 96, 96));    // learned, not recognised
    Button(list, RGB(40, 180, 60), RGB(0, 100, 20));      // learned and recognised
    Button(list, RGB(255, 200, 0), RGB(160, 100, 0));     // selected
}

} // namespace tav
