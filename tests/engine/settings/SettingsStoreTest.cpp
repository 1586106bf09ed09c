#include "FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

TEST(SettingsStore, AbsentValuesReadAsEmptyFalseAndMinusOne) {
    FakeSettingsStore store;
    EXPECT_EQ(store.ReadStrSetting("Language"), "");
    EXPECT_FALSE(store.ReadBoolSetting("Play sounds"));
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), -1);
    EXPECT_EQ(store.IntSettingState("Tolerance"), TValueState::Absent);
}

TEST(SettingsStore, ValuesOfAnotherTypeReadAsEmptyFalseAndZero) {
    FakeSettingsStore store;
    store.Values["Tolerance"] = std::string("12");
    store.Values["Play sounds"] = std::string("1");
    store.Values["Language"] = std::int32_t{5};
    store.Values["Log file"] = Binary{};
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 0);
    EXPECT_FALSE(store.ReadBoolSetting("Play sounds"));
    EXPECT_EQ(store.ReadStrSetting("Language"), "");
    EXPECT_EQ(store.ReadStrSetting("Log file"), "");
    EXPECT_EQ(store.IntSettingState("Tolerance"), TValueState::Unreadable);
    EXPECT_EQ(store.StrSettingState("Language"), TValueState::Unreadable);
}

TEST(SettingsStore, BooleansAreIntegersOneAndZero) {
    FakeSettingsStore store;
    store.WriteBoolSetting("Play sounds", true);
    store.WriteBoolSetting("Use TCP/IP", false);
    ASSERT_NE(store.IntegerAt("Play sounds"), nullptr);
    EXPECT_EQ(*store.IntegerAt("Play sounds"), 1);
    EXPECT_EQ(*store.IntegerAt("Use TCP/IP"), 0);
    store.Values["Serial DTR"] = std::int32_t{7}; // set by hand: any non-zero is true
    EXPECT_TRUE(store.ReadBoolSetting("Serial DTR"));
    EXPECT_EQ(store.ReadIntSetting("Play sounds"), 1);
}

TEST(SettingsStore, StoredValuesComeBackWhateverTheirSign) {
    FakeSettingsStore store;
    store.WriteIntSetting("Serial IRQ", -1);
    store.WriteIntSetting("OSD font color", 0xFF00);
    store.WriteStrSetting("Log file", "C:\\x\xE9.log");
    EXPECT_EQ(store.ReadIntSetting("Serial IRQ"), -1);
    EXPECT_EQ(store.IntSettingState("Serial IRQ"), TValueState::Readable);
    EXPECT_EQ(store.ReadIntSetting("OSD font color"), 0xFF00);
    EXPECT_EQ(store.ReadStrSetting("log FILE"), "C:\\x\xE9.log");
}

TEST(SettingsStore, AFailingStoreIsSilent) {
    FakeSettingsStore store;
    store.Values["Tolerance"] = std::int32_t{12};
    store.Broken = true;
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 0);
    EXPECT_EQ(store.ReadStrSetting("Language"), "");
    EXPECT_FALSE(store.ReadBoolSetting("Play sounds"));
    EXPECT_EQ(store.IntSettingState("Tolerance"), TValueState::Unreadable);
    EXPECT_FALSE(store.WriteIntSetting("Tolerance", 30));
    EXPECT_FALSE(store.WriteStrSetting("Language", "deutsch"));
    EXPECT_FALSE(store.WriteBoolSetting("Play sounds", true));
    store.WriteSounds({{"Beep", "beep.wav"}});
    EXPECT_TRUE(store.ReadSounds().empty());
    store.Broken = false;
    EXPECT_TRUE(store.WriteBoolSetting("Play sounds", true));
    EXPECT_EQ(store.ReadIntSetting("Tolerance"), 12);
    EXPECT_FALSE(store.Has("Language"));
    EXPECT_TRUE(store.SoundList.empty());
}
