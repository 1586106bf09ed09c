#include "framework/FileNames.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(FileNames, DeviceNamesAreKnownInEveryFolderAndWithAnyExtension) {
    for (const char* device :
         {"COM1", "nul", "C:\\Remotes\\NUL.tvr", "lpt9.txt", "con", "AUX  .x", "COM3:", "D:/x/prn",
          "conout$", "\\\\.\\COM12", "\\\\.\\pipe\\TVRLPipe", "//./pipe/x",
          "\\\\?\\GLOBALROOT\\Device\\Serial0"})
        EXPECT_TRUE(NamesWindowsDevice(device)) << device;
    for (const char* file :
         {"", "COM", "COM0", "COM10", "nulls.tvr", "C:\\NUL\\tv.tvr", "console.tvr",
          "C:", "\\\\?\\C:\\Remotes\\tv.tvr", "\\\\?\\UNC\\server\\share\\tv.tvr",
          "\\\\server\\share\\tv.tvr", "tv.tvr"})
        EXPECT_FALSE(NamesWindowsDevice(file)) << file;
}
