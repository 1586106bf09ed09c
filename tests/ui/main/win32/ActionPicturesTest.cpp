#include "ui/main/win32/ActionPictures.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tav;

namespace {

// Picture `index` of `list` drawn over white, row by row.
std::vector<COLORREF> PixelsOf(HIMAGELIST list, int index, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

TEST(ActionPictures, EveryKindHasAPictureOfItsOwnAtEachDpi) {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    auto* pictures = new TDrawnImageList(form, "Pictures");
    AddActionPictures(*pictures);
    for (UINT dpi : {144u, 96u}) {
        pictures->FollowDpi(dpi);
        const int size = DesignToPixels(16, dpi);
        int width = 0, height = 0;
        ImageList_GetIconSize(pictures->Handle(), &width, &height);
        EXPECT_EQ(width, size) << dpi;
        ASSERT_EQ(pictures->Count(), kActionPictureCount) << dpi;
        std::set<std::vector<COLORREF>> seen;
        for (int i = 0; i < kActionPictureCount; ++i) {
            const std::vector<COLORREF> pixels = PixelsOf(pictures->Handle(), i, size);
            const auto drawn = std::count_if(pixels.begin(), pixels.end(),
                                             [](COLORREF p) { return p != RGB(255, 255, 255); });
            EXPECT_GT(drawn, size * size / 4) << "picture " << i << " at " << dpi << " DPI";
            EXPECT_TRUE(seen.insert(pixels).second)
                << "picture " << i << " at " << dpi << " DPI repeats another";
        }
    }
    delete form;
}

} // namespace
