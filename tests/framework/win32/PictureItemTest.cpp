#include "framework/win32/PictureItem.h"
#include "Pump.h"
#include "framework/win32/DrawnImages.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

constexpr COLORREF kPicture = RGB(40, 180, 60);

// Draws item `index` of a box of two items into a row 200 pixels wide and keeps the pixels.
class PictureItemTest : public ::testing::Test {
protected:
    PictureItemTest() {
        form_ = test::NewLoadedForm(nullptr, "TestForm");
        combo_ = new TComboBox(form_, form_, "Combo", TComboStyle::OwnerDrawFixed);
        combo_->SetItems({"Wide text WWW", "Two"});
        pictures_ = new TDrawnImageList(form_, "Pictures");
        pictures_->AddDrawn([](TImageCanvas& c) {
            c.RoundRect({0, 0, 16, 16}, 0, kPicture, kPicture);
        });
        rowHeight_ = combo_->ToPixels(20);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kWidth, rowHeight_);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~PictureItemTest() override {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        delete form_;
    }
    void Draw(int index, UINT state) {
        const RECT row{0, 0, kWidth, rowHeight_};
        DrawPictureItem(*combo_, *pictures_, index, dc_, row, state);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // Columns [from, to) of the row in which some pixel is not `fill`.
    int ColumnsDrawn(int from, int to, COLORREF fill) const {
        int drawn = 0;
        for (int x = from; x < to; ++x)
            for (int y = 0; y < rowHeight_; ++y)
                if (At(x, y) != fill) {
                    ++drawn;
                    break;
                }
        return drawn;
    }
    bool Shows(COLORREF colour, int from) const {
        for (int x = from; x < kWidth; ++x)
            for (int y = 0; y < rowHeight_; ++y)
                if (At(x, y) == colour)
                    return true;
        return false;
    }

    static constexpr int kWidth = 200;
    int rowHeight_ = 0;
    TForm* form_ = nullptr;
    TComboBox* combo_ = nullptr;
    TDrawnImageList* pictures_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

TEST_F(PictureItemTest, PictureThenTextBesideIt) {
    const int dpi = static_cast<int>(combo_->Dpi());
    const int picture = DesignToPixels(16, dpi);
    Draw(0, 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const int left = DesignToPixels(3, dpi);
    EXPECT_EQ(At(left - 1, rowHeight_ / 2), window);
    EXPECT_EQ(At(left, rowHeight_ / 2), kPicture) << "the picture starts 3 units in";
    EXPECT_EQ(At(left + picture - 1, rowHeight_ / 2), kPicture);
    const int top = (rowHeight_ - picture) / 2;
    EXPECT_EQ(At(left + picture / 2, top - 1), window) << "centred";
    EXPECT_EQ(At(left + picture / 2, top), kPicture);
    const int text = picture + DesignToPixels(10, dpi);
    EXPECT_EQ(ColumnsDrawn(left + picture, text, window), 0) << "a gap before the text";
    EXPECT_GT(ColumnsDrawn(text, kWidth, window), 20);
    EXPECT_TRUE(Shows(GetSysColor(COLOR_WINDOWTEXT), text));
}

TEST_F(PictureItemTest, TheChosenRowIsHighlightedAndItsTextLightOnlyWhileFocused) {
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    Draw(1, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(At(0, 0), highlight);
    EXPECT_TRUE(Shows(GetSysColor(COLOR_WINDOW), DesignToPixels(26, combo_->Dpi())));
    Draw(1, ODS_SELECTED);
    EXPECT_EQ(At(0, 0), highlight);
    EXPECT_TRUE(Shows(GetSysColor(COLOR_WINDOWTEXT), DesignToPixels(26, combo_->Dpi())));
}

TEST_F(PictureItemTest, AnIndexWithoutAnItemLeavesTheRowEmpty) {
    for (int index : {-1, 2}) {
        Draw(index, 0);
        EXPECT_EQ(ColumnsDrawn(0, kWidth, GetSysColor(COLOR_WINDOW)), 0) << index;
    }
}

} // namespace
