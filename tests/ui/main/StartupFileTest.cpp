#include "ui/main/StartupFile.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(StartupFile, CommandLineNameWinsAndABareNameIsTakenFromTheProgramFolder) {
    const std::string folder = "C:\\Program Files\\Tavrilo\\";
    EXPECT_EQ(ChooseStartupFile({}, "D:\\last.tvr", folder), "D:\\last.tvr");
    EXPECT_EQ(ChooseStartupFile({"tv.tvr"}, "D:\\last.tvr", folder), folder + "tv.tvr");
    EXPECT_EQ(ChooseStartupFile({"E:\\remotes\\tv.tvr"}, "D:\\last.tvr", folder),
              "E:\\remotes\\tv.tvr");
    EXPECT_EQ(ChooseStartupFile({"E:tv.tvr"}, "", folder), "E:tv.tvr");
    EXPECT_EQ(ChooseStartupFile({"E:\\remotes\\"}, "D:\\last.tvr", folder), "");
    EXPECT_EQ(ChooseStartupFile({"/debug"}, "D:\\last.tvr", folder), "D:\\last.tvr");
    EXPECT_EQ(ChooseStartupFile({"-DEBUG", "tv.tvr"}, "", folder), folder + "tv.tvr");
}
