#include "framework/PlatformFiles.h"

#include "components/TempPath.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tav;
using tav::test::TempPath;

TEST(PlatformFiles, FileKindTellsFilesFromFoldersDevicesAndNamesNoSystemCanLookUp) {
    TempPath file(".tvr");
    test::WriteBytes(file.str(), "[File information]\r\n");
    EXPECT_EQ(FileKindOf(file.str()), TFileKind::File);
    EXPECT_EQ(FileKindOf(file.str() + ".absent"), TFileKind::Missing);

    TempPath folder(".dir");
    std::filesystem::create_directory(folder.str());
    EXPECT_EQ(FileKindOf(folder.str()), TFileKind::Folder);
    std::filesystem::remove(folder.str());

#ifdef _WIN32
    EXPECT_EQ(FileKindOf("NUL"), TFileKind::Other);
    EXPECT_EQ(FileKindOf("COM1"), TFileKind::Other);
#else
    EXPECT_EQ(FileKindOf("/dev/null"), TFileKind::Other);
#endif
    EXPECT_EQ(FileKindOf(std::string(64 << 10, 'x') + ".tvr"), TFileKind::Missing);
}
