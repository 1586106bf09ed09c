#include "support/themes/ThemeElements.h"

#include <gtest/gtest.h>

#include <string>

using namespace tav::themes;

TEST(ThemeElements, ButtonNumbersRunThroughPartsAndStates) {
    EXPECT_EQ(ButtonPart(19), (ElementDetails{tcButton, 3, 5})) << "checked box, normal";
    EXPECT_EQ(ButtonPart(18), (ElementDetails{tcButton, 3, 4})) << "unchecked box, disabled";
    EXPECT_EQ(ButtonPart(26), (ElementDetails{tcButton, 3, 12})) << "mixed box, disabled";
    EXPECT_EQ(ButtonPart(28), (ElementDetails{tcButton, 4, 2})) << "group box, disabled";
    EXPECT_EQ(ButtonPart(29), (ElementDetails{tcButton, 5, 1}));
    EXPECT_EQ(ButtonPart(2), (ElementDetails{tcButton, 1, 1}));
}

TEST(ThemeElements, NumbersOutsideEveryRangeAreTheClassAsAWhole) {
    EXPECT_EQ(ButtonPart(1), (ElementDetails{tcButton, 0, 2}));
    EXPECT_EQ(ButtonPart(0), (ElementDetails{tcButton, 0, 1}));
    EXPECT_EQ(StatusPart(kStatusRoot), (ElementDetails{tcStatus, 0, 2}));
    EXPECT_EQ(ButtonPart(30), (ElementDetails{tcButton, 0, 31})) << "past the last range";
    EXPECT_EQ(TabPart(44), (ElementDetails{tcTab, 0, 45}));
}

TEST(ThemeElements, SingleNumberPartsHaveOneState) {
    EXPECT_EQ(TabPart(43), (ElementDetails{tcTab, 10, 1})) << "body";
    EXPECT_EQ(TabPart(42), (ElementDetails{tcTab, 9, 1})) << "pane";
    EXPECT_EQ(TabPart(41), (ElementDetails{tcTab, 8, 5}));
    EXPECT_EQ(TrackBarPart(34), (ElementDetails{tcTrackBar, 9, 1})) << "tics";
    EXPECT_EQ(TrackBarPart(35), (ElementDetails{tcTrackBar, 10, 1}));
    EXPECT_EQ(EditPart(9), (ElementDetails{tcEdit, 2, 1})) << "caret";
    EXPECT_EQ(EditPart(kEditTextNormal), (ElementDetails{tcEdit, 1, 1}));
    EXPECT_EQ(RebarPart(kRebarBand), (ElementDetails{tcRebar, 3, 1}));
    EXPECT_EQ(RebarPart(17), (ElementDetails{tcRebar, 5, 4}));
    EXPECT_EQ(StatusPart(4), (ElementDetails{tcStatus, 3, 1}));
    EXPECT_EQ(ToolBarPart(37), (ElementDetails{tcToolBar, 6, 6}));
}

TEST(ThemeElements, ClassNamesAreTheLibrarysAndStopAtTheTable) {
    EXPECT_EQ(std::wstring(ThemeClassName(tcButton)), L"button");
    EXPECT_EQ(std::wstring(ThemeClassName(tcStatus)), L"status");
    EXPECT_EQ(std::wstring(ThemeClassName(tcTrackBar)), L"trackbar");
    EXPECT_EQ(std::wstring(ThemeClassName(tcWindow)), L"window");
    EXPECT_EQ(ThemeClassName(kThemeClassCount), nullptr);
    EXPECT_EQ(ThemeClassName(-1), nullptr);
}
