#include "support/themes/GlyphLayout.h"

namespace tav::themes {

TGlyphPositions PlaceGlyphAndCaption(const TGlyphLayoutInput& in) {
    TButtonLayout layout = in.Layout;
    if (in.RightToLeft && layout == TButtonLayout::GlyphLeft)
        layout = TButtonLayout::GlyphRight;
    else if (in.RightToLeft && layout == TButtonLayout::GlyphRight)
        layout = TButtonLayout::GlyphLeft;
    const bool horizontal =
        layout == TButtonLayout::GlyphLeft || layout == TButtonLayout::GlyphRight;
    const int w = in.Content.Width();
    const int h = in.Content.Height();

    TGlyphPositions p;
    // Across the layout's axis both are centred.
    if (horizontal) {
        p.Glyph.Y = (h - in.Glyph.Height + 1) / 2;
        p.Caption.Y = (h - in.Caption.Height + 1) / 2;
    } else {
        p.Glyph.X = (w - in.Glyph.Width + 1) / 2;
        p.Caption.X = (w - in.Caption.Width + 1) / 2;
    }

    const bool hasGlyph = in.Glyph.Width > 0 && in.Glyph.Height > 0;
    const bool hasCaption = in.Caption.Width > 0 && in.Caption.Height > 0;
    int spacing = hasGlyph && hasCaption ? in.Spacing : 0;
    int margin = in.Margin;
    const int s = horizontal ? w : h;
    const int g = horizontal ? in.Glyph.Width : in.Glyph.Height;
    const int t = horizontal ? in.Caption.Width : in.Caption.Height;
    if (margin == -1 && spacing == -1) {
        margin = (s - g - t) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (s - (g + spacing + t) + 1) / 2;
    } else if (spacing == -1) {
        spacing = ((s - margin - g) - t) / 2;
    }

    int glyphAt = 0;
    int captionAt = 0;
    if (layout == TButtonLayout::GlyphLeft || layout == TButtonLayout::GlyphTop) {
        glyphAt = margin;
        captionAt = margin + g + spacing;
    } else {
        glyphAt = s - margin - g;
        captionAt = glyphAt - spacing - t;
    }
    (horizontal ? p.Glyph.X : p.Glyph.Y) = glyphAt;
    (horizontal ? p.Caption.X : p.Caption.Y) = captionAt;

    p.Glyph.X += in.Content.Left;
    p.Glyph.Y += in.Content.Top;
    p.Caption.X += in.Content.Left;
    p.Caption.Y += in.Content.Top;
    return p;
}

} // namespace tav::themes
