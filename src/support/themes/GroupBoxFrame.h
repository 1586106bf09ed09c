#pragma once
// Where a styled group box draws its frame and its caption: the frame line runs through the
// middle of the caption, which is cut out of it.

#include "support/themes/ThemeGeometry.h"

namespace tav::themes {

// The caption's distance from the frame's leading edge.
constexpr int kGroupCaptionIndent = 8;

struct TGroupBoxFrame {
    // Empty without a caption.
    TRect Caption;
    TRect Frame;
};

// `caption` is the text extent of the caption in the box's font (0 x 0 without one).
TGroupBoxFrame GroupBoxFrame(const TRect& client, TExtent caption, bool rightToLeft);

} // namespace tav::themes
