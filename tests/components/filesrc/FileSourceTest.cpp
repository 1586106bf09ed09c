#include "components/filesrc/FileSource.h"
#include "components/TempPath.h"
#include "components/filesrc/FileData.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

using namespace tav;

namespace {

struct FileSource : ::testing::Test {
    test::TempFolder temp;
    TTempPlace place{temp.Path().string() + "/", 42};
    TComponent form;
    TFileSource* Extracted(const std::string& file, bool compress) {
        auto* source = new TFileSource(&form, "FileSrc");
        source->SetExtension(".dll");
        source->SetCompress(compress);
        source->ReadData(EncodeFileData(file, compress), place);
        return source;
    }
};

TEST_F(FileSource, ExtractsToTheFirstFreeNameAndDeletesItsOwnFileOnly) {
    EXPECT_EQ(TempFileCandidate({"C:\\TEMP\\", 42}, 0, ".dll"), "C:\\TEMP\\~fs420.dll");
    EXPECT_TRUE(IsTempFileName("~fs420.dll", ".dll"));
    EXPECT_TRUE(IsTempFileName("~FS5912.DLL", ".dll"));
    for (const char* other :
         {"~fs.dll", "~fs42a.dll", "~fs420.dll.bak", "x~fs420.dll", "~fs42.vxd"})
        EXPECT_FALSE(IsTempFileName(other, ".dll")) << other;
    const std::string left = temp.Write("~fs420.dll", "old");       // left behind by an earlier run
    std::filesystem::create_directory(place.Folder + "~fs421.dll"); // a folder bears a name too
    TFileSource* plain = Extracted("MZ\x90", false);
    TFileSource* packed = Extracted(std::string(100, 'z'), true);
    const std::string plainFile = plain->FileName();
    EXPECT_EQ(plainFile, place.Folder + "~fs422.dll");
    EXPECT_EQ(test::ReadBytes(plainFile), "MZ\x90");
    EXPECT_EQ(packed->FileName(), place.Folder + "~fs423.dll");
    EXPECT_EQ(test::ReadBytes(packed->FileName()), std::string(100, 'z'));

    plain->SetFileName(left); // the extracted file goes first
    EXPECT_FALSE(test::FileExists(plainFile));
    const std::string packedFile = packed->FileName();
    delete packed;
    EXPECT_FALSE(test::FileExists(packedFile));
    delete plain;
    EXPECT_EQ(test::ReadBytes(left), "old");
}

// On Windows a file that another program has open cannot be deleted until it lets go.
TEST_F(FileSource, DeletesItsFileAlsoWhenAnotherProgramLetsGoOfItOnlyAMomentLater) {
    TFileSource* source = Extracted("MZ", false);
    const std::string file = source->FileName();
    auto reader = std::make_unique<std::ifstream>(file, std::ios::binary);
    ASSERT_TRUE(reader->good());
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        reader.reset();
    });
    delete source;
    letGo.join();
    EXPECT_FALSE(test::FileExists(file));
}

TEST_F(FileSource, AFailedExtractionLeavesNoFileAndNoName) {
    TFileSource source(&form, "FileSrc");
    EXPECT_THROW(source.ReadData(std::string("\x10\0\0\0MZ", 6), place), ECarriedFileError);
    place.Folder += "missing/";
    EXPECT_THROW(source.ReadData(EncodeFileData("MZ", false), place), ECarriedFileError);
    EXPECT_EQ(source.FileName(), "");
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

TEST_F(FileSource, StoresTheNamedFileOrSaysItIsMissing) {
    TFileSource source(&form, "VardokFileSrc");
    const std::string dll = temp.Write("Vardok.dll", std::string(5000, 'v') + "end");
    source.SetFileName(dll);
    source.SetCompress(true);
    EXPECT_EQ(DecodeFileData(source.WriteData(), true), test::ReadBytes(dll));
    std::filesystem::remove(dll);
    EXPECT_EQ(source.FileName(), "");
    try {
        source.WriteData();
        ADD_FAILURE();
    } catch (const ECarriedFileError& e) {
        EXPECT_EQ(e.what(), "VardokFileSrc cannot store file: " + dll + " (file is missing)");
    }
}

} // namespace
