#pragma once
// Points, sizes and rectangles in pixels for the portable drawing decisions.

namespace tav::themes {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TExtent {
    int Width = 0;
    int Height = 0;
    bool operator==(const TExtent&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const TRect&) const = default;
};

} // namespace tav::themes
