#include "engine/serial/DeviceDefaults.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct DeviceDefaults : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDeviceModes modes;
    unsigned timeOutInterval = 0;
    TDeviceDefaults defaults{settings, modes, kPlatformNt,
                             [this](unsigned ms) { timeOutInterval = ms; }};

    std::int32_t Stored(const char* name) const {
        const std::int32_t* value = store.IntegerAt(name);
        return value != nullptr ? *value : -999;
    }
    // As the serial-port dialog does for the receiver port.
    void Choose(const char* type) {
        settings.SetStr("Serial port type", type);
        defaults.ApplyDeviceDefaults(DeviceRowOf(type), kReceiverPortKind);
    }
};

TEST_F(DeviceDefaults, ChoosingSircStoresItsLineAndRecognitionSettings) {
    settings.SetInt("Serial speed", 2);
    settings.SetBool("Serial DTR", false);
    Choose("sirc");
    EXPECT_EQ(modes.Receiver, kModeFixedLine);
    EXPECT_EQ(Stored("Serial speed"), 6); // 9600 baud 8N1
    EXPECT_EQ(Stored("Serial databits"), 3);
    EXPECT_EQ(Stored("Serial DTR"), 1);
    EXPECT_EQ(Stored("Serial port"), 1) << "the port number is never taken from the table";
    EXPECT_EQ(*store.StringAt("Serial init string"), "IR");
    EXPECT_EQ(Stored("Skip first"), 2);
    EXPECT_EQ(Stored("Tolerance"), 500);
    EXPECT_EQ(Stored("Recognition time out"), 175);
    EXPECT_EQ(Stored("SameLength values"), 0);
    EXPECT_EQ(timeOutInterval, 175u);
}

TEST_F(DeviceDefaults, ADriverReceiverGetsThePlatformsToleranceWhicheverRowFollows) {
    Choose("Packard Bell Fast Media");
    EXPECT_EQ(modes.Receiver, kModeDriver);
    EXPECT_EQ(Stored("Tolerance"), 100) << "not the table's 10 on the NT family";
    EXPECT_EQ(timeOutInterval, 400u);
    // The keyboard's defaults leave the driver receiver's port alone but not its tolerance.
    defaults.ApplyDeviceDefaults(DeviceRowOf("Multimedia Keyboard"), kReceiverPortKind);
    EXPECT_EQ(modes.Receiver, kModeDriver);
    EXPECT_EQ(*store.StringAt("Serial port type"), "Packard Bell Fast Media");
    EXPECT_EQ(Stored("Tolerance"), 100);
    EXPECT_EQ(Stored("Recognition time out"), 175);

    TDeviceDefaults win9x{settings, modes, kPlatformWin9x, [](unsigned) {}};
    win9x.ApplyDeviceDefaults(DeviceRowOf("Animax Anir Multimedia Magic"), kReceiverPortKind);
    EXPECT_EQ(Stored("Tolerance"), 10);
}

TEST_F(DeviceDefaults, WithoutARowTheValuesAreStoredAsTheModelHoldsThem) {
    // Values from outside the controls' ranges, as a hand-edited registry may hold them.
    settings.SetInt("Value size", 9);
    settings.SetInt("Tolerance", -5);
    settings.SetInt("Recognition time out", 20);
    settings.SetInt("Serial port", 4);
    defaults.ApplyDeviceDefaults(-1, kReceiverPortKind);
    EXPECT_EQ(Stored("Value size"), 1);
    EXPECT_EQ(Stored("Tolerance"), 10);
    EXPECT_EQ(Stored("Recognition time out"), 175);
    EXPECT_EQ(Stored("Serial port"), 4);
    EXPECT_EQ(Stored("Serial speed"), 6);
    EXPECT_EQ(timeOutInterval, 0u) << "no row, no change of the time-out";
    EXPECT_FALSE(store.Has("Serial2 speed"));
}

TEST(DeviceTable, AStoredTypeGivesItsModeAndAnythingElseTheGenericOne) {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDeviceModes modes{kModeDriver, kModeDriver};
    settings.SetStr("Serial port type", "WinLIRC");
    settings.SetStr("Serial2 port type", "x10 mouseremote");
    modes.Load(settings);
    EXPECT_EQ(modes.Receiver, kModeGeneric) << "a row that is no serial device is unknown";
    EXPECT_EQ(modes.Console, kModeFixedLine);
    EXPECT_EQ(SerialModeOf("Nothing"), kModeGeneric);
    EXPECT_EQ(DeviceRowOf("Nothing"), -1);
}

} // namespace
