#include "framework/SafeFileReplace.h"

#include "components/TempPath.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tav;
using tav::test::FileExists;
using tav::test::ReadBytes;
using tav::test::TempPath;
using tav::test::WriteBytes;

namespace {

TEST(SafeFileReplace, KeepsOneBackupAndNeverTouchesAUsersFileNamedLikeTheTemporaryOne) {
    TempPath file(".txt");
    TempPath backup(".txt.bak");
    TempPath usersNew(".txt.new");

    ASSERT_FALSE(ReplaceFileSafely(file.str(), "first", TBackup::Keep));
    EXPECT_EQ(ReadBytes(file.str()), "first");
    EXPECT_FALSE(FileExists(backup.str())); // nothing was there to keep

    WriteBytes(usersNew.str(), "mine");
    WriteBytes(backup.str(), "older");
    ASSERT_FALSE(ReplaceFileSafely(file.str(), "second", TBackup::Keep));
    EXPECT_EQ(ReadBytes(file.str()), "second");
    EXPECT_EQ(ReadBytes(backup.str()), "first");
    EXPECT_EQ(ReadBytes(usersNew.str()), "mine");
    EXPECT_FALSE(FileExists(file.str() + ".new1"));

    ASSERT_FALSE(ReplaceFileSafely(file.str(), "third", TBackup::None));
    EXPECT_EQ(ReadBytes(file.str()), "third");
    EXPECT_EQ(ReadBytes(backup.str()), "first");
}

TEST(SafeFileReplace, TheFileASaveCutShortLeftBehindIsTakenOverByTheNextSave) {
    TempPath file(".txt");
    TempPath saving(".txt.saving");
    WriteBytes(file.str(), "old");
    WriteBytes(saving.str(), "half of a save");
    ASSERT_FALSE(ReplaceFileSafely(file.str(), "new", TBackup::None));
    EXPECT_EQ(ReadBytes(file.str()), "new");
    EXPECT_FALSE(FileExists(saving.str()));
    ASSERT_FALSE(ReplaceFileSafely(file.str(), "newer", TBackup::None));
    EXPECT_EQ(ReadBytes(file.str()), "newer");
    EXPECT_FALSE(FileExists(saving.str()));
}

TEST(SafeFileReplace, AFailureLeavesTheTargetAsItWasAndSaysWhy) {
    TempPath file(".txt");
    TempPath backup(".txt.bak");

    // A folder is never taken for a file to replace, nor moved aside as a backup.
    std::filesystem::create_directory(file.str());
    auto error = ReplaceFileSafely(file.str(), "new", TBackup::Keep);
    EXPECT_TRUE(std::filesystem::is_directory(file.str()));
    EXPECT_FALSE(FileExists(backup.str()));
    EXPECT_FALSE(FileExists(file.str() + ".saving"));
    std::filesystem::remove(file.str());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->What, kCannotWriteOverFolderText);
    EXPECT_EQ(error->Path, file.str());

    // The backup cannot be made: the old file stays, and no temporary file is left behind.
    WriteBytes(file.str(), "old");
    std::filesystem::create_directory(backup.str());
    error = ReplaceFileSafely(file.str(), "new", TBackup::Keep);
    std::filesystem::remove(backup.str());
    EXPECT_EQ(ReadBytes(file.str()), "old");
    EXPECT_FALSE(FileExists(file.str() + ".saving"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->What, kCannotCreateFileText);
    EXPECT_EQ(error->Path, backup.str());
    EXPECT_FALSE(error->Reason.empty());

    const std::string nowhere =
        (std::filesystem::temp_directory_path() / "no-such-tavrilo-folder" / "x.txt").string();
    error = ReplaceFileSafely(nowhere, "new", TBackup::None);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->What, kCannotCreateFileText);
    EXPECT_EQ(error->Path, nowhere + ".saving");
}

} // namespace
