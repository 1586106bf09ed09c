// The extraction's sweep of carried files that earlier runs left in the temporary folder.

#include "components/filesrc/win32/CarriedFile.h"

#include "components/TempPath.h"
#include "components/filesrc/FileData.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(CarriedFile, ExtractionRemovesFilesLeftBehindButNotOneThatAnInstanceStillHolds) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    TComponent form;
    // Another instance's library, extracted and not loaded yet.
    TFileSource running(&form, "VardokFileSrc");
    running.SetExtension(".dll");
    running.ReadData(EncodeFileData("MZ", false), {folder, 42});
    const std::string left =
        std::string(folder) + "~fs77" + std::to_string(GetCurrentProcessId()) + ".DLL";
    test::WriteBytes(left, "left behind");

    TFileSource starting(&form, "NothingCarried");
    starting.SetExtension(".dll");
    LoadCarriedFile(starting); // the program carries nothing of this name: no file of its own
    EXPECT_FALSE(test::FileExists(left));
    EXPECT_EQ(test::ReadBytes(running.FileName()), "MZ");
    DeleteFileA(left.c_str());
}

} // namespace
