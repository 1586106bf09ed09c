#include "components/filesrc/FileSource.h"
#include "components/TempPath.h"
#include "components/filesrc/FileData.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

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
    const std::string left = temp.Write("~fs420.dll", "old"); // left behind by an earlier run
    TFileSource* plain = Extracted("MZ\x90", false);
    TFileSource* packed = Extracted(std::string(100, 'z'), true);
    const std::string plainFile = plain->FileName();
    EXPECT_EQ(plainFile, place.Folder + "~fs421.dll");
    EXPECT_EQ(test::ReadBytes(plainFile), "MZ\x90");
    EXPECT_EQ(packed->FileName(), place.Folder + "~fs422.dll");
    EXPECT_EQ(test::ReadBytes(packed->FileName()), std::string(100, 'z'));

    plain->SetFileName(left); // the extracted file goes first
    EXPECT_FALSE(test::FileExists(plainFile));
    const std::string packedFile = packed->FileName();
    delete packed;
    EXPECT_FALSE(test::FileExists(packedFile));
    delete plain;
    EXPECT_EQ(test::ReadBytes(left), "old");
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
