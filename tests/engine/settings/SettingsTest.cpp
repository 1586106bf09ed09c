#include "FakeSettingsStore.h"

#include "engine/settings/Settings.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::test;

TEST(Settings, LoadTakesWhatTheAccessorsRead) {
    FakeSettingsStore store;
    store.Values["tolerance"] = std::int32_t{42};
    store.Values["Recognition time out"] = std::string("oops");
    store.Values["OSD Repaint"] = std::int32_t{0};
    store.Values["AVerMedia window"] = std::string("My TV");
    store.Values["Language"] = std::string("deutsch");
    store.SoundList = {{"Beep", "C:\\beep.wav"}};
    TSettings settings(store);
    settings.Load();
    EXPECT_EQ(settings.Int("Tolerance"), 42);
    EXPECT_EQ(settings.Int("Recognition time out"), 0); // unreadable
    EXPECT_EQ(settings.Int("Binary threshold"), -1);    // absent
    EXPECT_FALSE(settings.Bool("OSD repaint"));
    EXPECT_EQ(settings.Str("AverMedia window"), "My TV");
    EXPECT_EQ(settings.Str("LANGUAGE"), "deutsch");
    EXPECT_EQ(settings.Str("LastTVRFile"), "");
    EXPECT_EQ(settings.Sounds(), (std::vector<TSoundEntry>{{"Beep", "C:\\beep.wav"}}));
}

TEST(Settings, BeforeLoadingValuesHoldTheirDefaults) {
    FakeSettingsStore store;
    TSettings settings(store);
    EXPECT_EQ(settings.Int("Tolerance"), 10);
    EXPECT_TRUE(settings.Bool("Play sounds"));
    EXPECT_EQ(settings.Str("TCP/IP client host"), "localhost");
    EXPECT_EQ(settings.Int("Output data serial port"), -1);
    EXPECT_FALSE(settings.Bool("Origin enabled"));
}

TEST(Settings, ChangesGoToTheStoreAtOnceAndOnlyWhenTheyChangeSomething) {
    FakeSettingsStore store;
    store.Values["Tolerance"] = std::int32_t{10};
    store.Values["Play sounds"] = std::int32_t{1};
    TSettings settings(store);
    settings.Load();

    settings.SetInt("Tolerance", 10);
    settings.SetBool("Play sounds", true);
    EXPECT_EQ(store.Writes, 0);

    settings.SetInt("Tolerance", 30);
    settings.SetBool("Play sounds", false);
    EXPECT_EQ(store.Writes, 2);
    EXPECT_EQ(*store.IntegerAt("Tolerance"), 30);
    EXPECT_EQ(*store.IntegerAt("Play sounds"), 0);
}

TEST(Settings, AbsentOrDamagedValuesAreWrittenEvenWhenTheyLookEqual) {
    FakeSettingsStore store;
    store.Values["Skip first"] = std::string("x"); // reads as 0
    TSettings settings(store);
    settings.Load();
    settings.SetInt("Skip first", 0);
    settings.SetStr("Log file", "");           // absent, reads as ""
    settings.SetBool("Origin enabled", false); // absent, reads as false
    EXPECT_EQ(store.Writes, 3);
    EXPECT_EQ(*store.IntegerAt("Skip first"), 0);
    EXPECT_EQ(*store.StringAt("Log file"), "");
    EXPECT_EQ(*store.IntegerAt("Origin enabled"), 0);
    settings.SetInt("Skip first", 0);
    EXPECT_EQ(store.Writes, 3);
}

TEST(Settings, AWriteTheStoreRefusedIsTriedAgain) {
    FakeSettingsStore store;
    store.Values["Tolerance"] = std::int32_t{10};
    TSettings settings(store);
    settings.Load();
    store.Broken = true;
    settings.SetInt("Tolerance", 30);
    settings.SetStr("Language", "deutsch");
    EXPECT_EQ(settings.Int("Tolerance"), 30); // the program goes on with the new value
    store.Broken = false;
    settings.SetInt("Tolerance", 30);
    settings.SetStr("Language", "deutsch");
    EXPECT_EQ(*store.IntegerAt("Tolerance"), 30);
    EXPECT_EQ(*store.StringAt("Language"), "deutsch");
}

TEST(Settings, EachSpellingWritesTheOneValue) {
    FakeSettingsStore store;
    TSettings settings(store);
    settings.SetInt("Output Data Serial speed", 9);
    settings.SetBool("OSD Repaint", false);
    settings.SetStr("AVerMedia window", "Tuner");
    EXPECT_EQ(settings.Int("Output data Serial speed"), 9);
    EXPECT_FALSE(settings.Bool("OSD repaint"));
    EXPECT_EQ(settings.Str("AverMedia window"), "Tuner");
    EXPECT_EQ(store.Values.size(), 3u);
    EXPECT_EQ(store.ReadIntSetting("output data serial speed"), 9);
}

TEST(Settings, UnknownNamesAndWrongTypesAreRefused) {
    FakeSettingsStore store;
    TSettings settings(store);
    EXPECT_THROW(settings.Int("No such value"), std::invalid_argument);
    EXPECT_THROW(settings.SetStr("No such value", "x"), std::invalid_argument);
    EXPECT_THROW(settings.Int("Play sounds"), std::logic_error);
    EXPECT_THROW(settings.SetBool("Tolerance", true), std::logic_error);
    EXPECT_THROW(settings.SetInt("Language", 1), std::logic_error);
    EXPECT_EQ(store.Writes, 0);
}

TEST(Settings, TheSoundListIsRewrittenAsAWhole) {
    FakeSettingsStore store;
    store.SoundList = {{"Old", "old.wav"}, {"Beep", "beep.wav"}};
    TSettings settings(store);
    settings.Load();
    settings.SetSounds({{"Beep", "beep.wav"}, {"Ding", "D:\\ding.wav"}});
    EXPECT_EQ(store.SoundList, settings.Sounds());
    EXPECT_EQ(store.SoundList.size(), 2u);
    EXPECT_EQ(store.SoundList[1].Name, "Ding");
}
