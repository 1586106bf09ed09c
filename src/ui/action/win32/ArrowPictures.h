#pragma once
// The pictures of the relative mouse moves: an arrow for each direction of the editor's list
// (Up, Up-Left, Up-Right, Left, Right, Down, Down-Left, Down-Right), drawn to fill `rect`.

#include <windows.h>

namespace tav {

void DrawArrowPicture(HDC dc, const RECT& rect, int direction);

} // namespace tav
