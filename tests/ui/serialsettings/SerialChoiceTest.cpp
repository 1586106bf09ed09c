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

TEST(SerialChoice, AChoiceIsStoredAsThePortsSettingsAndReadBackAsItWas) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    const TSerialChoice choice{{12, 12, 4, 0, 2}, false, true, "IR"};
    StoreSerialChoice(settings, kReceiverPortSettings, choice);
    EXPECT_EQ(StoredSerialChoice(settings, kReceiverPortSettings), choice);
    StoreSerialChoice(settings, kDataPortSettings, choice);
    EXPECT_EQ(StoredSerialChoice(settings, kDataPortSettings).InitString, "")
        << "the output port has no init string";
}

} // namespace
