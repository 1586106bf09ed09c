#pragma once
// The pictures of the actions, drawn by the program itself: one per item of the action editor's
// type list, in its order, and one more for the on-screen text.

#include "framework/win32/DrawnImages.h"

namespace tav {

// Index of the on-screen text's picture, after those of the seven action types.
inline constexpr int kOnScreenTextPicture = 7;
inline constexpr int kActionPictureCount = 8;

// Adds the eight pictures to `list` in the order of their indexes.
void AddActionPictures(TDrawnImageList& list);

} // namespace tav
