#pragma once
// The pictures of the commands tree's nodes, drawn by the program itself.

#include "framework/win32/DrawnImages.h"

namespace tav {

// Index of the picture every command node shows while selected; the others are those of
// NodeImageIndex (0 remote, 1 not learned, 2 learned with recognition off, 3 on).
inline constexpr int kSelectedCommandImage = 4;

// Adds the five pictures to `list` in the order of their indexes.
void AddCommandImages(TDrawnImageList& list);

} // namespace tav
