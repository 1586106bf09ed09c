#include "FakeSettingsStore.h"

#include "engine/settings/SettingsTable.h"
#include "engine/settings/VersionReset.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

namespace {

struct RecordingAssociation : TFileAssociation {
    int Registered = 0;
    void RegisterFileType() noexcept override { ++Registered; }
};

struct RecordingLaunch : TLaunchAtLogon {
    std::vector<bool> Calls;
    bool SetLaunchAtLogon(bool enabled) noexcept override {
        Calls.push_back(enabled);
        return true;
    }
};

struct VersionReset : ::testing::Test {
    FakeSettingsStore store;
    RecordingAssociation association;
    RecordingLaunch launch;
    bool Run(std::string_view version) {
        return RunVersionReset(store, version, association, launch);
    }
};

} // namespace

TEST_F(VersionReset, FirstStartWritesTheVersionAndEveryDefault) {
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_EQ(association.Registered, 1);
    EXPECT_EQ(launch.Calls, std::vector<bool>{false});
    ASSERT_NE(store.StringAt("Version"), nullptr);
    EXPECT_EQ(*store.StringAt("Version"), "4.0.0.1");
    for (const TSettingDef& def : SettingsTable()) {
        if (def.Name == "Version")
            continue;
        const std::string name(def.Name);
        if (!def.HasDefault) {
            EXPECT_FALSE(store.Has(name)) << name;
        } else if (def.Type == TSettingType::String) {
            ASSERT_NE(store.StringAt(name), nullptr) << name;
            EXPECT_EQ(*store.StringAt(name), def.DefaultStr) << name;
        } else {
            ASSERT_NE(store.IntegerAt(name), nullptr) << name;
            EXPECT_EQ(*store.IntegerAt(name), def.DefaultInt) << name;
        }
    }
    EXPECT_EQ(store.ReadIntSetting("OSD font color"), 0xFF00);
    EXPECT_FALSE(store.ReadBoolSetting("Launch on startup"));
}

TEST_F(VersionReset, TheSameVersionNeverResetsTwice) {
    ASSERT_TRUE(Run("4.0.0.1"));
    store.WriteIntSetting("Tolerance", 33);
    store.Values.erase("Language");
    const int writes = store.Writes;
    EXPECT_FALSE(Run("4.0.0.1"));
    EXPECT_EQ(store.Writes, writes);
    EXPECT_EQ(association.Registered, 1);
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 33);
    EXPECT_FALSE(store.Has("Language"));
}

TEST_F(VersionReset, AnEmptyVersionStillCountsOnceAgainstAnAbsentOne) {
    EXPECT_TRUE(Run(""));
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 10);
    EXPECT_EQ(store.StrSettingState("Version"), TValueState::Readable);
    EXPECT_FALSE(Run(""));
    EXPECT_EQ(association.Registered, 1);
}

TEST_F(VersionReset, ANewVersionKeepsTheUsersValuesAndFillsTheGaps) {
    store.Values["Version"] = std::string("3.9.0.0");
    store.Values["Tolerance"] = std::int32_t{42};
    store.Values["Play sounds"] = std::int32_t{0};
    store.Values["Language"] = std::string("deutsch");
    store.Values["Launch on startup"] = std::int32_t{1};
    store.Values["Origin enabled"] = std::int32_t{1};
    store.Values["LastTVRFile"] = std::string("C:\\my.tvr");
    store.Values["Restore"] = std::string("CIPHER");
    store.Values["Output Data Serial port"] = std::int32_t{3};
    store.Values["Binary threshold"] = std::string("200"); // damaged
    store.Values["osd REPAINT"] = Binary{};                // damaged

    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_EQ(association.Registered, 1);
    EXPECT_TRUE(launch.Calls.empty()); // the stored choice and its logon entry stay
    EXPECT_EQ(store.ReadStrSetting("Version"), "4.0.0.1");
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 42);
    EXPECT_FALSE(store.ReadBoolSetting("Play sounds"));
    EXPECT_EQ(store.ReadStrSetting("Language"), "deutsch");
    EXPECT_TRUE(store.ReadBoolSetting("Launch on startup"));
    EXPECT_TRUE(store.ReadBoolSetting("Origin enabled"));
    EXPECT_EQ(store.ReadStrSetting("LastTVRFile"), "C:\\my.tvr");
    EXPECT_EQ(store.ReadStrSetting("Restore"), "CIPHER");
    EXPECT_EQ(store.ReadIntSetting("Output data serial port"), 3);
    EXPECT_EQ(store.ReadIntSetting("Binary threshold"), 127);
    EXPECT_TRUE(store.ReadBoolSetting("OSD repaint"));
    EXPECT_EQ(store.ReadIntSetting("Recognition time out"), 175);
    EXPECT_EQ(store.ReadStrSetting("Serial port type"), "Generic");
}

TEST_F(VersionReset, ADamagedVersionCountsAsDifferent) {
    store.Values["Version"] = std::int32_t{4};
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_EQ(store.ReadStrSetting("Version"), "4.0.0.1");
}

TEST_F(VersionReset, ADamagedLaunchChoiceIsResetWithItsLogonEntry) {
    store.Values["Version"] = std::string("3.9.0.0");
    store.Values["Launch on startup"] = std::string("yes");
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_EQ(launch.Calls, std::vector<bool>{false});
    EXPECT_EQ(store.IntSettingState("Launch on startup"), TValueState::Readable);
    EXPECT_FALSE(store.ReadBoolSetting("Launch on startup"));
}

TEST_F(VersionReset, AFirstStartCutShortOrRefusedIsCompletedByTheNextStart) {
    store.Reach = 5;
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_FALSE(store.Has("Version"));
    store.Reach = -1;
    store.Refused = "Tolerance";
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_FALSE(store.Has("Version"));
    store.Refused.clear();
    EXPECT_TRUE(Run("4.0.0.1"));
    EXPECT_EQ(store.ReadStrSetting("Version"), "4.0.0.1");
    for (const TSettingDef& def : SettingsTable())
        EXPECT_EQ(store.Has(std::string(def.Name)), def.HasDefault || def.Name == "Version")
            << def.Name;
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 10);
    EXPECT_FALSE(Run("4.0.0.1"));
}
