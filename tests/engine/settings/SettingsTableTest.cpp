#include "engine/settings/SettingsTable.h"

#include "framework/Text.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(SettingsTable, EveryNameAndSpellingIsUniqueIgnoringCase) {
    const auto table = SettingsTable();
    for (const TSettingDef& def : table) {
        EXPECT_EQ(FindSettingDef(def.Name), &def) << def.Name;
        if (!def.OtherSpelling.empty()) {
            EXPECT_TRUE(AnsiSameText(def.Name, def.OtherSpelling)) << def.Name;
            EXPECT_EQ(FindSettingDef(def.OtherSpelling), &def) << def.OtherSpelling;
        }
        if (def.Type != TSettingType::String) {
            EXPECT_TRUE(def.DefaultStr.empty()) << def.Name;
        }
        if (def.Type == TSettingType::Boolean) {
            EXPECT_TRUE(def.DefaultInt == 0 || def.DefaultInt == 1) << def.Name;
        }
    }
}

TEST(SettingsTable, WritersAndReadersSpellingsMeet) {
    EXPECT_EQ(FindSettingDef("AVerMedia window"), FindSettingDef("AverMedia window"));
    EXPECT_EQ(FindSettingDef("OSD Repaint"), FindSettingDef("OSD repaint"));
    EXPECT_EQ(FindSettingDef("Output Data Serial port"), FindSettingDef("Output data serial port"));
    EXPECT_EQ(FindSettingDef("Output Data Serial RTS"), FindSettingDef("Output data Serial RTS"));
    EXPECT_EQ(FindSettingDef("No such value"), nullptr);
}

TEST(SettingsTable, DefaultsOfANewVersion) {
    struct Expect {
        std::string_view name;
        TSettingType type;
        std::int32_t number;
        std::string_view text;
    };
    const Expect expected[] = {
        {"Tolerance", TSettingType::Integer, 10, ""},
        {"Recognition time out", TSettingType::Integer, 175, ""},
        {"OSD font color", TSettingType::Integer, 65280, ""},
        {"Serial speed", TSettingType::Integer, 6, ""},
        {"Serial2 databits", TSettingType::Integer, 3, ""},
        {"TCP/IP info port", TSettingType::Integer, 4040, ""},
        {"Play sounds", TSettingType::Boolean, 1, ""},
        {"OSD repaint", TSettingType::Boolean, 1, ""},
        {"Serial2 RTS", TSettingType::Boolean, 1, ""},
        {"Launch on startup", TSettingType::Boolean, 0, ""},
        {"Language", TSettingType::String, 0, "english"},
        {"AverMedia window", TSettingType::String, 0, "AVerMedia TV Tuner 98"},
        {"TCP/IP server IP", TSettingType::String, 0, "127.0.0.0"},
        {"Serial2 init string", TSettingType::String, 0, "IR"},
        {"Log file", TSettingType::String, 0, ""},
    };
    for (const Expect& e : expected) {
        const TSettingDef* def = FindSettingDef(e.name);
        ASSERT_NE(def, nullptr) << e.name;
        EXPECT_TRUE(def->HasDefault) << e.name;
        EXPECT_EQ(def->Type, e.type) << e.name;
        EXPECT_EQ(def->DefaultInt, e.number) << e.name;
        EXPECT_EQ(def->DefaultStr, e.text) << e.name;
    }
}

TEST(SettingsTable, ValuesOnlyTheirWritersCreate) {
    for (std::string_view name :
         {"Version", "Use serial console port", "Output data serial port",
          "Output data Serial speed", "Output data Serial DTR", "DDE data", "Origin enabled",
          "LastTVRFile", "Restore", "Hide splashscreen", "Serial IRQ", "Serial I/O"}) {
        const TSettingDef* def = FindSettingDef(name);
        ASSERT_NE(def, nullptr) << name;
        EXPECT_FALSE(def->HasDefault) << name;
    }
}
