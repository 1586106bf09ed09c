#include "support/themes/GlyphLayout.h"
#include "support/themes/GroupBoxFrame.h"

#include <gtest/gtest.h>

using namespace tav::themes;

TEST(GlyphLayout, AutomaticMarginAndSpacingShareTheRoomInThree) {
    TGlyphLayoutInput in;
    in.Content = {0, 0, 100, 20};
    in.Glyph = {16, 16};
    in.Caption = {40, 13};
    const TGlyphPositions p = PlaceGlyphAndCaption(in);
    EXPECT_EQ(p.Glyph, (TPoint{14, 2}));
    EXPECT_EQ(p.Caption, (TPoint{44, 4}));
}

TEST(GlyphLayout, RightToLeftPutsTheGlyphRightAndEverythingMovesWithTheContent) {
    TGlyphLayoutInput in;
    in.Content = {5, 3, 105, 23};
    in.Glyph = {16, 16};
    in.Caption = {40, 13};
    in.RightToLeft = true;
    const TGlyphPositions p = PlaceGlyphAndCaption(in);
    EXPECT_EQ(p.Glyph, (TPoint{5 + 100 - 14 - 16, 3 + 2}));
    EXPECT_EQ(p.Caption, (TPoint{5 + 70 - 14 - 40, 3 + 4}));
}

TEST(GlyphLayout, WithoutCaptionThereIsNoSpacingAndAnAutomaticMarginCentres) {
    TGlyphLayoutInput in;
    in.Content = {0, 0, 40, 41};
    in.Glyph = {16, 16};
    in.Layout = TButtonLayout::GlyphTop;
    in.Spacing = 4;
    const TGlyphPositions p = PlaceGlyphAndCaption(in);
    EXPECT_EQ(p.Glyph, (TPoint{12, 13})) << "(41 - 16 + 1) / 2, the spacing ignored";
    EXPECT_EQ(p.Caption.Y, 13 + 16);
}

TEST(GlyphLayout, AFixedMarginLeavesTheSpacingToCentreTheCaptionInWhatRemains) {
    TGlyphLayoutInput in;
    in.Content = {0, 0, 30, 100};
    in.Glyph = {16, 16};
    in.Caption = {20, 13};
    in.Layout = TButtonLayout::GlyphBottom;
    in.Margin = 4;
    const TGlyphPositions p = PlaceGlyphAndCaption(in);
    EXPECT_EQ(p.Glyph.Y, 100 - 4 - 16);
    EXPECT_EQ(p.Caption.Y, 80 - (100 - 4 - 16 - 13) / 2 - 13);
    EXPECT_EQ(p.Caption.X, (30 - 20 + 1) / 2);
}

TEST(GroupBoxFrame, TheFrameStartsHalfTheCaptionDownAndTheCaptionSitsIndented) {
    const TGroupBoxFrame f = GroupBoxFrame({0, 0, 200, 100}, {50, 14}, false);
    EXPECT_EQ(f.Frame, (TRect{0, 7, 200, 100}));
    EXPECT_EQ(f.Caption, (TRect{8, 0, 58, 14}));
    const TGroupBoxFrame rtl = GroupBoxFrame({0, 0, 200, 100}, {50, 15}, true);
    EXPECT_EQ(rtl.Caption, (TRect{142, 0, 192, 15}));
    EXPECT_EQ(rtl.Frame.Top, 7) << "half the height, truncated";
}

TEST(GroupBoxFrame, WithoutCaptionTheFrameIsTheClientArea) {
    const TGroupBoxFrame f = GroupBoxFrame({0, 0, 200, 100}, {}, false);
    EXPECT_TRUE(f.Caption.Empty());
    EXPECT_EQ(f.Frame, (TRect{0, 0, 200, 100}));
}
