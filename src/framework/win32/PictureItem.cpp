#include "framework/win32/PictureItem.h"

namespace tav {

void DrawPictureItem(const TListControl& control, TImageList& images, int index, HDC dc,
                     const RECT& rect, UINT state) {
    images.FollowDpi(control.Dpi());
    const bool selected = (state & ODS_SELECTED) != 0;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (index < 0 || index >= control.ItemCount())
        return;
    int pictureWidth = 0, pictureHeight = 0;
    ImageList_GetIconSize(images.Handle(), &pictureWidth, &pictureHeight);
    const int rowHeight = rect.bottom - rect.top;
    if (index < images.Count())
        ImageList_Draw(images.Handle(), index, dc, rect.left + control.ToPixels(3),
                       rect.top + (rowHeight - pictureHeight) / 2, ILD_TRANSPARENT);

    auto font = reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0));
    const HGDIOBJ oldFont = SelectObject(dc, font != nullptr ? font : MessageFont(control.Dpi()));
    SIZE letter{};
    GetTextExtentPoint32A(dc, "A", 1, &letter);
    const std::string text = control.Item(index);
    SetBkMode(dc, TRANSPARENT);
    const bool focused = (state & ODS_FOCUS) != 0;
    SetTextColor(dc, GetSysColor(selected && focused ? COLOR_WINDOW : COLOR_WINDOWTEXT));
    TextOutA(dc, rect.left + pictureWidth + control.ToPixels(10),
             rect.top + (rowHeight - letter.cy) / 2, text.data(), static_cast<int>(text.size()));
    SelectObject(dc, oldFont);
}

} // namespace tav
