#include "framework/ShortCut.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(ShortCut, TextNamesModifiersInFixedOrderThenTheKey) {
    EXPECT_EQ(ShortCutToText(ShortCut('E', scCtrl)), "Ctrl+E");
    EXPECT_EQ(ShortCutToText(ShortCut(0x71, scShift | scCtrl | scAlt)), "Shift+Ctrl+Alt+F2");
    EXPECT_EQ(ShortCutToText(ShortCut(0x2E, 0)), "Del");
    EXPECT_EQ(ShortCutToText(ShortCut(0x87, 0)), "F24");
    EXPECT_EQ(ShortCutToText(ShortCut('7', 0)), "7");
}

TEST(ShortCut, NoKeyOrAnUnnamedKeyGivesNoText) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
    EXPECT_EQ(ShortCutToText(ShortCut(0xFF, scCtrl)), "");
}
