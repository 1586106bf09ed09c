#pragma once
// The pictures of the relative mouse moves: an arrow for each direction of the editor's list
// (Up, Up-Left, Up-Right, Left, Right, Down, Down-Left, Down-Right), in that order.

#include "framework/win32/DrawnImages.h"

namespace tav {

void AddArrowPictures(TDrawnImageList& list);

} // namespace tav
