#pragma once
// Where a button with a picture puts the picture (glyph) and the caption inside its content
// rectangle.

#include "support/themes/ThemeGeometry.h"

namespace tav::themes {

enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct TGlyphLayoutInput {
    TRect Content;
    // 0 x 0 without a glyph or without a caption.
    TExtent Glyph;
    TExtent Caption;
    TButtonLayout Layout = TButtonLayout::GlyphLeft;
    // Right-to-left reading exchanges the left and right layouts.
    bool RightToLeft = false;
    // -1 means automatic.
    int Margin = -1;
    int Spacing = -1;
};

struct TGlyphPositions {
    TPoint Glyph;
    TPoint Caption;
    bool operator==(const TGlyphPositions&) const = default;
};

TGlyphPositions PlaceGlyphAndCaption(const TGlyphLayoutInput& input);

} // namespace tav::themes
