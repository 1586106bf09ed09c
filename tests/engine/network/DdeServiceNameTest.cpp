#include "engine/network/DdeServiceName.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(DdeServiceName, IsTheFileNameUpToItsFirstDot) {
    EXPECT_EQ(DdeServiceName("C:\\Program Files\\Tavrilo\\Tavrilo.exe"), "Tavrilo");
    // A dot in the folder does not count; one in the name cuts it there.
    EXPECT_EQ(DdeServiceName("C:\\Prog.d\\Tavrilo.old.exe"), "Tavrilo");
    EXPECT_EQ(DdeServiceName("Tavrilo"), "Tavrilo");
}
