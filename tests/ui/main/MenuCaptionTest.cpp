#include "ui/main/MenuCaption.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(MenuCaption, LosesItsMnemonicAndItsEndingAtTheFirstColonOrAnEarlierDot) {
    EXPECT_EQ(StripMenuCaption("&Serial port"), "Serial port");
    EXPECT_EQ(StripMenuCaption("&Write log file:"), "Write log file");
    EXPECT_EQ(StripMenuCaption("Save &As..."), "Save As...");
    EXPECT_EQ(StripMenuCaption("R&&D: ports"), "R&D"); // only the first "&" goes
    EXPECT_EQ(StripMenuCaption("Max. delay: 5"), "Max");
    EXPECT_EQ(StripMenuCaption("Port: COM1.2"), "Port");
}
