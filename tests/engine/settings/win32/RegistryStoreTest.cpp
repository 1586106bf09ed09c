#include "engine/settings/win32/RegistryStore.h"

#include "engine/settings/Settings.h"
#include "engine/settings/SettingsTable.h"
#include "engine/settings/VersionReset.h"
#include "framework/win32/TestRegistryKey.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tav;
using tav::test::TestRegistryKey;

namespace {

struct CountingAssociation : TFileAssociation {
    int Registered = 0;
    void RegisterFileType() noexcept override { ++Registered; }
};

struct CountingLaunch : TLaunchAtLogon {
    int Removed = 0;
    bool SetLaunchAtLogon(bool enabled) noexcept override {
        Removed += enabled ? 0 : 1;
        return true;
    }
};

struct RegistryStore : ::testing::Test {
    TestRegistryKey key;
    TRegistryStore store{key.Path()};
    CountingAssociation association;
    CountingLaunch launch;
    bool Start(std::string_view version) {
        return RunVersionReset(store, version, association, launch);
    }
};

} // namespace

TEST_F(RegistryStore, TheFirstAccessCreatesTheKey) {
    EXPECT_FALSE(key.Exists());
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), -1);
    EXPECT_TRUE(key.Exists());
}

TEST_F(RegistryStore, AccessorsKeepTheirAbsentAndUnreadableValues) {
    key.PutString("Tolerance", "12");
    key.PutDword("Language", 3);
    key.PutBinary("Play sounds", "\x01");
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 0);
    EXPECT_EQ(store.ReadIntSetting("Length limit"), -1);
    EXPECT_EQ(store.ReadStrSetting("Language"), "");
    EXPECT_FALSE(store.ReadBoolSetting("Play sounds"));
    EXPECT_EQ(store.IntSettingState("Tolerance"), TValueState::Unreadable);
    EXPECT_EQ(store.IntSettingState("Length limit"), TValueState::Absent);

    store.WriteBoolSetting("Use TCP/IP", true);
    store.WriteIntSetting("Serial IRQ", -1);
    EXPECT_EQ(key.TypeOf("Use TCP/IP"), REG_DWORD);
    EXPECT_TRUE(store.ReadBoolSetting("Use TCP/IP"));
    EXPECT_EQ(store.ReadIntSetting("Serial IRQ"), -1);
}

TEST_F(RegistryStore, SpellingVariantsMeetOnOneValue) {
    store.WriteStrSetting("AVerMedia window", "Tuner 2000");
    store.WriteBoolSetting("OSD Repaint", false);
    store.WriteIntSetting("Output Data Serial port", 4);
    store.WriteBoolSetting("Output Data Serial DTR", true);
    EXPECT_EQ(store.ReadStrSetting("AverMedia window"), "Tuner 2000");
    EXPECT_EQ(store.IntSettingState("OSD repaint"), TValueState::Readable);
    EXPECT_FALSE(store.ReadBoolSetting("OSD repaint"));
    EXPECT_EQ(store.ReadIntSetting("Output data serial port"), 4);
    EXPECT_TRUE(store.ReadBoolSetting("Output data Serial DTR"));

    TSettings settings(store);
    settings.Load();
    EXPECT_EQ(settings.Str("AverMedia window"), "Tuner 2000");
    EXPECT_EQ(settings.Int("Output data serial port"), 4);
}

TEST_F(RegistryStore, FirstStartWritesTheVersionAndEveryDefaultWithItsType) {
    EXPECT_TRUE(Start("4.0.0.1"));
    EXPECT_EQ(association.Registered, 1);
    EXPECT_EQ(launch.Removed, 1);
    EXPECT_EQ(key.TypeOf("Version"), REG_SZ);
    EXPECT_EQ(store.ReadStrSetting("Version"), "4.0.0.1");
    for (const TSettingDef& def : SettingsTable()) {
        if (def.Name == kVersionSetting)
            continue;
        const std::string name(def.Name);
        if (!def.HasDefault) {
            EXPECT_FALSE(key.TypeOf(name)) << name;
            continue;
        }
        const DWORD type = def.Type == TSettingType::String ? REG_SZ : REG_DWORD;
        EXPECT_EQ(key.TypeOf(name), type) << name;
        if (def.Type == TSettingType::String)
            EXPECT_EQ(store.ReadStrSetting(def.Name), def.DefaultStr) << name;
        else
            EXPECT_EQ(store.ReadIntSetting(def.Name), def.DefaultInt) << name;
    }
}

TEST_F(RegistryStore, ASecondStartKeepsAChangedValue) {
    ASSERT_TRUE(Start("4.0.0.1"));
    TSettings settings(store);
    settings.Load();
    settings.SetInt("Tolerance", 25);
    settings.SetStr("Language", "deutsch");
    EXPECT_FALSE(Start("4.0.0.1"));
    EXPECT_EQ(association.Registered, 1);
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 25);
    EXPECT_EQ(store.ReadStrSetting("Language"), "deutsch");
}

TEST_F(RegistryStore, ANewVersionKeepsTheUsersValues) {
    ASSERT_TRUE(Start("4.0.0.0"));
    store.WriteIntSetting("Tolerance", 25);
    store.WriteBoolSetting("Launch on startup", true);
    store.WriteBoolSetting("Origin enabled", true);
    store.WriteStrSetting("LastTVRFile", "C:\\remotes\\living room.tvr");
    store.WriteStrSetting("Restore", "0A1B2C");
    store.WriteIntSetting("Output Data Serial speed", 8);
    key.PutString("Value size", "two"); // damaged by hand

    EXPECT_TRUE(Start("4.0.0.1"));
    EXPECT_EQ(association.Registered, 2);
    EXPECT_EQ(launch.Removed, 1); // only on the first start, when no choice was stored
    EXPECT_EQ(store.ReadStrSetting("Version"), "4.0.0.1");
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 25);
    EXPECT_TRUE(store.ReadBoolSetting("Launch on startup"));
    EXPECT_TRUE(store.ReadBoolSetting("Origin enabled"));
    EXPECT_EQ(store.ReadStrSetting("LastTVRFile"), "C:\\remotes\\living room.tvr");
    EXPECT_EQ(store.ReadStrSetting("Restore"), "0A1B2C");
    EXPECT_EQ(store.ReadIntSetting("Output data Serial speed"), 8);
    EXPECT_EQ(key.TypeOf("Value size"), REG_DWORD);
    EXPECT_EQ(store.ReadIntSetting("Value size"), 1);
}

TEST_F(RegistryStore, SoundsAreReadAndRewrittenAsAWhole) {
    key.PutString("Beep", "C:\\beep.wav", "Sounds");
    key.PutString("Ding", "C:\\ding.wav", "Sounds");
    key.PutDword("Broken", 1); // in the main key: not a sound
    std::vector<TSoundEntry> sounds = store.ReadSounds();
    std::sort(sounds.begin(), sounds.end(),
              [](const TSoundEntry& a, const TSoundEntry& b) { return a.Name < b.Name; });
    EXPECT_EQ(sounds,
              (std::vector<TSoundEntry>{{"Beep", "C:\\beep.wav"}, {"Ding", "C:\\ding.wav"}}));

    store.WriteSounds({{"Gong", "D:\\gong.wav"}});
    EXPECT_EQ(store.ReadSounds(), (std::vector<TSoundEntry>{{"Gong", "D:\\gong.wav"}}));
    EXPECT_FALSE(key.TypeOf("Beep", "Sounds"));
    store.WriteSounds({});
    EXPECT_TRUE(key.Exists("Sounds"));
    EXPECT_TRUE(store.ReadSounds().empty());
}
