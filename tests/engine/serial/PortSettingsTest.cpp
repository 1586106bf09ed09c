#include "engine/serial/PortSettings.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(PortSettings, AStoredValueOutsideItsListReadsAsItsDefault) {
    test::FakeSettingsStore store;
    store.Values["Serial2 port"] = std::int32_t{256};
    store.Values["Serial2 speed"] = std::int32_t{12};
    store.Values["Serial2 parity"] = std::int32_t{4};
    store.Values["Serial2 databits"] = std::int32_t{0};
    store.Values["Serial2 stopbits"] = std::int32_t{2};
    store.Values["Output Data Serial port"] = std::int32_t{257};
    store.Values["Output Data Serial speed"] = std::int32_t{13};
    store.Values["Output Data Serial parity"] = std::int32_t{-1};
    store.Values["Output Data Serial databits"] = std::int32_t{4};
    store.Values["Output Data Serial stopbits"] = std::int32_t{3};
    TSettings settings{store};
    settings.Load();
    EXPECT_EQ(ReadSerialLine(settings, kConsolePortSettings), (TSerialLine{256, 12, 4, 0, 2}))
        << "the ends of every list are kept";
    EXPECT_EQ(ReadSerialLine(settings, kDataPortSettings), TSerialLine{})
        << "the output port's values have no default of their own";
    EXPECT_EQ(ReadSerialLine(settings, kReceiverPortSettings), TSerialLine{}) << "none stored";
}
