#pragma once
// The items of an owner-drawn combo or list box that show a picture before their text.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/StdCtrls.h"

namespace tav {

// Draws item `index` of `control` into `rect` of `dc`: picture `index` of `images` a little in
// from the left, the item's text after it, both centred in the row; `state` holds the ODS_*
// flags. The pictures are made for the control's DPI first. An index without an item (the
// closed box of no choice) leaves the row empty.
void DrawPictureItem(const TListControl& control, TImageList& images, int index, HDC dc,
                     const RECT& rect, UINT state);

} // namespace tav
