#include "FakeSettingsStore.h"

#include "engine/settings/Settings.h"

#include <gtest/gtest.h>

#include <variant>

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
    EXPECT_EQ(settings.Int("Recognition time out"), 175); // unreadable: the default
    EXPECT_EQ(settings.Int("Binary threshold"), 127);     // absent: the default
    EXPECT_EQ(settings.Int("Serial IRQ"), -1);            // absent, and no default
    EXPECT_FALSE(settings.Bool("OSD repaint"));
    EXPECT_EQ(settings.Str("AverMedia window"), "My TV");
    EXPECT_EQ(settings.Str("LANGUAGE"), "deutsch");
    EXPECT_EQ(settings.Str("LastTVRFile"), "");
    EXPECT_EQ(settings.Sounds(), (std::vector<TSoundEntry>{{"Beep", "C:\\beep.wav"}}));
}

namespace {

// What a setting reads as when its stored value is of no use: its default, or for a value only
// its writers create, what an absent one reads as.
std::variant<std::string, std::int32_t> Fallback(const TSettingDef& def) {
    if (def.Type == TSettingType::String)
        return std::string(def.DefaultStr);
    return def.HasDefault ? def.DefaultInt : def.Type == TSettingType::Integer ? -1 : 0;
}

std::variant<std::string, std::int32_t> Reading(const TSettings& settings, const TSettingDef& def) {
    switch (def.Type) {
    case TSettingType::String:
        return settings.Str(def.Name);
    case TSettingType::Boolean:
        return std::int32_t{settings.Bool(def.Name)};
    case TSettingType::Integer:
        return settings.Int(def.Name);
    }
    return {};
}

} // namespace

TEST(Settings, EverySettingStoredWithTheWrongKindReadsAsItsDefault) {
    for (const StoredValue& other : {StoredValue{Binary{}}, StoredValue{std::int32_t{7}}}) {
        FakeSettingsStore store;
        for (const TSettingDef& def : SettingsTable())
            store.Values[std::string(def.Name)] =
                def.Type == TSettingType::String ? other : StoredValue{std::string("7")};
        TSettings settings(store);
        settings.Load();
        for (const TSettingDef& def : SettingsTable()) {
            // A damaged password is told apart: SettingsProtection's test.
            if (!def.Guards) {
                EXPECT_EQ(Reading(settings, def), Fallback(def)) << def.Name;
            }
        }
    }
}

TEST(Settings, AnEmptyOrOutOfRangeValueReadsAsItsDefaultAndPortZeroIsNoPort) {
    using Reads = std::variant<std::string, std::int32_t>;
    struct Case {
        const char* name;
        StoredValue stored;
        Reads reads;
    };
    const std::string none;
    const Case cases[] = {
        {"TCP/IP server port", std::int32_t{0}, 2020},
        {"TCP/IP client port", std::int32_t{0}, 8765},
        {"TCP/IP info port", std::int32_t{65536}, 4040},
        {"TCP/IP server port", std::int32_t{65535}, 65535},
        {"Serial port", std::int32_t{0}, 1},
        {"Serial2 port", std::int32_t{257}, 1},
        {"Serial2 port", std::int32_t{256}, 256},
        {"Serial speed", std::int32_t{13}, 6},
        {"Serial2 speed", std::int32_t{-1}, 6},
        {"Serial parity", std::int32_t{5}, 0},
        {"Serial2 parity", std::int32_t{-1}, 0},
        {"Serial databits", std::int32_t{4}, 3},
        {"Serial2 databits", std::int32_t{-1}, 3},
        {"Serial stopbits", std::int32_t{3}, 0},
        {"Serial2 stopbits", std::int32_t{-1}, 0},
        {"Output data serial port", std::int32_t{0}, -1},
        {"Output data Serial speed", std::int32_t{13}, -1},
        {"Output data Serial parity", std::int32_t{5}, -1},
        {"Output data Serial databits", std::int32_t{4}, -1},
        {"Output data Serial stopbits", std::int32_t{3}, -1},
        {"Skip first", std::int32_t{101}, 0},
        {"Tolerance", std::int32_t{32768}, 10},
        {"Length limit", std::int32_t{-1}, 0},
        {"Value size", std::int32_t{5}, 1},
        {"Recognition time out", std::int32_t{99}, 175},
        {"Recognition time out", std::int32_t{1001}, 175},
        {"Binary threshold", std::int32_t{-1}, 127},
        {"OSD background", std::int32_t{3}, 0},
        {"OSD display time", std::int32_t{-1}, 1000},
        {"OSD font color", std::int32_t{0x1000000}, 0xFF00},
        {"DDE data", std::int32_t{3}, -1},
        {"TCP/IP info type", std::int32_t{2}, 0},
        {"Serial IRQ", std::int32_t{16}, -1},
        {"Serial I/O", std::int32_t{0x10000}, -1},
        {"Language", none, "english"},
        {"Serial port type", none, "Generic"},
        {"Serial2 port type", none, "Generic"},
        {"AVerMedia window", none, "AVerMedia TV Tuner 98"},
        {"TCP/IP client host", none, "localhost"},
        {"TCP/IP server IP", none, "127.0.0.0"},
        {"TCP/IP server filter", none, "255.255.255.0"},
        {"OSD font name", none, "Arial"},
        // Empty says something here: no log, no initialisation string.
        {"Log file", none, none},
        {"Serial init string", none, none},
    };
    for (const Case& c : cases) {
        FakeSettingsStore store;
        store.Values[c.name] = c.stored;
        TSettings settings(store);
        settings.Load();
        EXPECT_EQ(Reading(settings, *FindSettingDef(c.name)), c.reads) << c.name;
    }

    // A value set from outside its range is taken as what it would read as.
    FakeSettingsStore store;
    TSettings settings(store);
    settings.SetInt("TCP/IP server port", 0);
    settings.SetStr("TCP/IP client host", "");
    EXPECT_EQ(settings.Int("TCP/IP server port"), 2020);
    EXPECT_EQ(*store.IntegerAt("TCP/IP server port"), 2020);
    EXPECT_EQ(settings.Str("TCP/IP client host"), "localhost");
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
