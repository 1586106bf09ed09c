#include "engine/settings/win32/FileAssociation.h"
#include "engine/settings/win32/FileVersion.h"
#include "engine/settings/win32/LaunchAtLogon.h"
#include "framework/win32/ProgramPath.h"

#include "framework/win32/Registry.h"
#include "framework/win32/TestRegistryKey.h"

#include <gtest/gtest.h>

using namespace tav;
using tav::test::TestRegistryKey;

namespace {

std::string DefaultValue(const std::string& path) {
    TRegistry registry;
    if (!registry.OpenKey(path, false))
        return "<no key>";
    return registry.ReadString("");
}

} // namespace

TEST(FileAssociation, RegistersTheFileTypeWithTheProgramsPath) {
    TestRegistryKey key;
    TRegistryFileAssociation association("C:\\Program Files\\Tavrilo\\Tavrilo.exe",
                                         HKEY_CURRENT_USER, key.Path());
    association.RegisterFileType();
    EXPECT_EQ(DefaultValue(key.Path(".tvr")), "Tavrilo");
    EXPECT_EQ(DefaultValue(key.Path("Tavrilo")), "Tavrilo");
    EXPECT_EQ(DefaultValue(key.Path("Tavrilo\\DefaultIcon")),
              "C:\\Program Files\\Tavrilo\\Tavrilo.exe,4");
    EXPECT_EQ(DefaultValue(key.Path("Tavrilo\\Shell\\Open")), "&Open");
    EXPECT_EQ(DefaultValue(key.Path("Tavrilo\\Shell\\Open\\Command")),
              "\"C:\\Program Files\\Tavrilo\\Tavrilo.exe\" \"%1\"");
}

TEST(LaunchAtLogon, WritesTheQuotedPathAndRemovesTheRunValue) {
    TestRegistryKey key;
    TRunKeyLaunchAtLogon launch("C:\\Program Files\\Tavrilo\\Tavrilo.exe", key.Path("Run"));
    EXPECT_TRUE(launch.SetLaunchAtLogon(false)); // nothing to remove is fine
    EXPECT_TRUE(key.Exists("Run"));
    EXPECT_TRUE(launch.SetLaunchAtLogon(true));
    EXPECT_EQ(key.TypeOf("Tavrilo", "Run"), REG_SZ);
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key.Path("Run"), false));
    EXPECT_EQ(registry.ReadString("Tavrilo"), "\"C:\\Program Files\\Tavrilo\\Tavrilo.exe\"");
    EXPECT_TRUE(launch.SetLaunchAtLogon(false));
    EXPECT_FALSE(key.TypeOf("Tavrilo", "Run"));
}

TEST(FileVersion, ReadsTheProgramsVersionResource) {
    EXPECT_EQ(GetFileVersionStr("Z:" TAVRILO_EXE_DIR "/Tavrilo.exe"), "4.0.0.1");
    EXPECT_EQ(GetFileVersionStr(ProgramFileName()), ""); // the test program carries none
    EXPECT_EQ(GetFileVersionStr("C:\\no\\such\\file.exe"), "");
    const std::string self = ProgramFileName();
    EXPECT_NE(self.find("win32_tests"), std::string::npos) << self;
}
