#pragma once
// Pictures the program draws itself (the nodes of a tree, the rows of a list). Each is drawn in
// design units on a square that is 16 units wide at 96 DPI, so it comes out as sharp and as
// large beside the text at every DPI: the list draws all of them again when a control that
// shows it takes another DPI.

#include "framework/win32/ComCtrls.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace tav {

// Where a picture is drawn: design units in, the picture's pixels out.
class TImageCanvas {
public:
    TImageCanvas(HDC dc, UINT dpi) : dc_(dc), dpi_(dpi) {}
    HDC Dc() const { return dc_; }
    int ToPixels(int design) const { return DesignToPixels(design, dpi_); }
    RECT ToPixels(RECT design) const;
    // Filled shapes with an outline one unit wide.
    void Ellipse(RECT design, COLORREF fill, COLORREF outline);
    void RoundRect(RECT design, int corner, COLORREF fill, COLORREF outline);
    void Polygon(std::initializer_list<POINT> design, COLORREF fill, COLORREF outline);
    // A line `width` units thick.
    void Line(POINT from, POINT to, COLORREF colour, int width = 1);

private:
    HDC dc_;
    UINT dpi_;
};

using TImagePainter = std::function<void(TImageCanvas&)>;

class TDrawnImageList : public TImageList {
public:
    // `size` is the pictures' width and height in design units.
    explicit TDrawnImageList(TComponent* owner, std::string name = {}, int size = 16);
    // Draws the picture at the list's DPI and keeps `paint` for the next one; returns its index.
    int AddDrawn(TImagePainter paint);
    void FollowDpi(UINT dpi) override;
    UINT Dpi() const { return dpi_; }

private:
    void Draw(const TImagePainter& paint);

    int size_;
    UINT dpi_ = kDesignDpi;
    std::vector<TImagePainter> painters_;
};

} // namespace tav
