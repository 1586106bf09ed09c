#include "framework/win32/DrawnImages.h"
#include "Pump.h"
#include "framework/win32/ListView.h"
#include "framework/win32/TreeView.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

constexpr COLORREF kFill = RGB(40, 180, 60);

int IconWidth(HIMAGELIST list) {
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    return width;
}

// The colour of the list's first picture at (x, y), drawn over white.
COLORREF PixelOfPicture(HIMAGELIST list, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 64, 64};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT);
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixel;
}

TEST(DrawnImagesDpi, PicturesAreDrawnAgainAtTheDpiOfTheViewsThatShowThem) {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    auto* tree = new TTreeView(form, form, "Tree");
    auto* list = new TListView(form, form, "List");
    auto* images = new TDrawnImageList(form, "Pictures");
    images->AddDrawn([](TImageCanvas& c) { c.Ellipse({2, 2, 14, 14}, kFill, kFill); });
    tree->SetImages(images);
    list->SetSmallImages(images);
    const UINT before = form->FormDpi();
    EXPECT_EQ(IconWidth(images->Handle()), DesignToPixels(16, before));

    const UINT after = before == 96 ? 144 : 96;
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(after, after),
                 reinterpret_cast<LPARAM>(&window));
    const int pixels = DesignToPixels(16, after);
    const auto treeImages = reinterpret_cast<HIMAGELIST>(
        SendMessageA(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    const auto listImages = reinterpret_cast<HIMAGELIST>(
        SendMessageA(list->Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_EQ(IconWidth(treeImages), pixels);
    EXPECT_EQ(IconWidth(listImages), pixels);
    EXPECT_EQ(ImageList_GetImageCount(images->Handle()), 1);
    EXPECT_GE(SendMessageA(tree->Handle(), TVM_GETITEMHEIGHT, 0, 0), pixels)
        << "the rows make room for the larger pictures";
    // The picture itself is drawn at the new size, not stretched from the old one: its right
    // edge lies at 14 of 16 units.
    EXPECT_EQ(PixelOfPicture(images->Handle(), DesignToPixels(13, after), pixels / 2), kFill);
    EXPECT_EQ(PixelOfPicture(images->Handle(), DesignToPixels(15, after), pixels / 2),
              RGB(255, 255, 255));
    delete form;
}

} // namespace
