#include "framework/win32/PictureItem.h"
#include "Pump.h"
#include "framework/win32/DrawnImages.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

constexpr COLORREF kPicture = RGB(40, 180, 60);
constexpr int kWidth = 200;

// Item `index` of a box of two items drawn into a row of its own; keeps the pixels.
class PictureItemTest : public ::testing::Test {
protected:
    PictureItemTest() {
        combo_ = new TComboBox(form_, form_, "Combo", TComboStyle::OwnerDrawFixed);
        combo_->SetItems({"Wide text WWW", "Two"});
        pictures_->AddDrawn([](TImageCanvas& c) {
            c.RoundRect({0, 0, 16, 16}, 0, kPicture, kPicture);
        });
        height_ = combo_->ToPixels(20);
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, kWidth, height_);
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
        DrawPictureItem(*combo_, *pictures_, index, dc_, {0, 0, kWidth, height_}, state);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
    // How many pixels of columns [from, kWidth) are (or, with `is` false, are not) `colour`.
    int Count(int from, COLORREF colour, bool is = true) const {
        int n = 0;
        for (int x = from; x < kWidth; ++x)
            for (int y = 0; y < height_; ++y)
                n += (At(x, y) == colour) == is;
        return n;
    }

    TForm* form_ = test::NewLoadedForm(nullptr, "TestForm");
    TComboBox* combo_ = nullptr;
    TDrawnImageList* pictures_ = new TDrawnImageList(form_, "Pictures");
    int height_ = 0;
    HDC dc_ = CreateCompatibleDC(nullptr);
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

TEST_F(PictureItemTest, PictureThenTextBesideIt) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const int left = combo_->ToPixels(3), picture = combo_->ToPixels(16);
    const int top = (height_ - picture) / 2, text = picture + combo_->ToPixels(10);
    Draw(0, 0);
    EXPECT_EQ(At(left - 1, height_ / 2), window);
    EXPECT_EQ(At(left, height_ / 2), kPicture) << "the picture starts 3 units in";
    EXPECT_EQ(At(left + picture / 2, top - 1), window) << "centred";
    EXPECT_EQ(At(left + picture / 2, top), kPicture);
    EXPECT_EQ(Count(left + picture, window, false), Count(text, window, false))
        << "nothing between the picture and the text";
    EXPECT_GT(Count(text, GetSysColor(COLOR_WINDOWTEXT)), 20);
}

TEST_F(PictureItemTest, TheChosenRowIsHighlightedAndItsTextLightOnlyWhileFocused) {
    const int text = combo_->ToPixels(26);
    Draw(1, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(At(0, 0), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(Count(text, GetSysColor(COLOR_WINDOW)), 0);
    Draw(1, ODS_SELECTED);
    EXPECT_EQ(At(0, 0), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(Count(text, GetSysColor(COLOR_WINDOWTEXT)), 0);
}

TEST_F(PictureItemTest, AnIndexWithoutAnItemLeavesTheRowEmpty) {
    for (int index : {-1, 2}) {
        Draw(index, 0);
        EXPECT_EQ(Count(0, GetSysColor(COLOR_WINDOW), false), 0) << index;
    }
}

} // namespace
