#include "ui/serialsettings/SerialChoice.h"

#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(SerialChoice, AnOutputPortNeverSetUpShowsTheDefaultEntriesAndStoresThemOnAccept) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    const TSerialChoice shown = StoredSerialChoice(settings, kDataPortSettings);
    EXPECT_EQ(shown.Line, TSerialLine{}); // COM1, 9600 baud, no parity, 8 data bits, 1 stop bit
    StoreSerialChoice(settings, kDataPortSettings, shown);
    EXPECT_EQ(*store.IntegerAt("Output Data Serial port"), 1);
    EXPECT_EQ(*store.IntegerAt("Output Data Serial speed"), 6);
    EXPECT_EQ(*store.IntegerAt("Output Data Serial databits"), 3);
}

TEST(SerialChoice, EachValueOutsideItsListShowsItsDefaultAndTheOthersStay) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    StoreSerialChoice(settings, kReceiverPortSettings, {{8, 12, 4, 0, 2}, false, true, "IR"});
    EXPECT_EQ(StoredSerialChoice(settings, kReceiverPortSettings),
              (TSerialChoice{{8, 12, 4, 0, 2}, false, true, "IR"}));
    settings.SetInt("Serial port", 9);
    settings.SetInt("Serial speed", 13);
    settings.SetInt("Serial stopbits", -1);
    const TSerialChoice shown = StoredSerialChoice(settings, kReceiverPortSettings);
    EXPECT_EQ(shown.Line, (TSerialLine{1, 6, 4, 0, 0}));
    EXPECT_EQ(shown.InitString, "IR");
}

} // namespace
