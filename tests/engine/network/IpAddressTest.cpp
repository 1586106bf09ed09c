#include "engine/network/IpAddress.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(IpAddress, DottedPartsFillTheBytesFromTheTopAndMissingPartsCountZero) {
    EXPECT_EQ(IPToInt("192.168.0.1"), 0xC0A80001u);
    EXPECT_EQ(IPToInt("10.1"), 0x0A000001u);
    EXPECT_EQ(IPToInt(""), 0u);
    EXPECT_EQ(IPToInt("256.0.0.1"), std::nullopt);
    EXPECT_EQ(IPToInt("10.x.0.1"), std::nullopt);
}

TEST(IpAddress, ADamagedStoredMaskFallsBackToItsDefaultNeverToLettingEveryoneIn) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    settings.SetStr("TCP/IP server filter", "255.255.x.0");
    EXPECT_EQ(StoredAddress(settings, "TCP/IP server filter"), 0xFFFFFF00u);
    settings.SetStr("TCP/IP server IP", "192.168.0.7");
    EXPECT_EQ(StoredAddress(settings, "TCP/IP server IP"), 0xC0A80007u);
}

TEST(IpAddress, AStoredAddressTheFieldsCannotHoldIsShownAsItsDefault) {
    using Parts = std::array<std::string, 4>;
    test::FakeSettingsStore store;
    TSettings settings(store);
    settings.SetStr("TCP/IP server IP", "1000.0.0.1");
    EXPECT_EQ(StoredAddressParts(settings, "TCP/IP server IP"), (Parts{"127", "0", "0", "0"}));
    settings.SetStr("TCP/IP server filter", "255.255. 255.0");
    EXPECT_EQ(StoredAddressParts(settings, "TCP/IP server filter"),
              (Parts{"255", "255", "255", "0"}));
    settings.SetStr("TCP/IP server IP", "10.1");
    EXPECT_EQ(StoredAddressParts(settings, "TCP/IP server IP"), (Parts{"10", "", "", "1"}));
}

TEST(IpAddress, AnAddressSplitsIntoTheFieldsItIsShownAndCheckedIn) {
    using Parts = std::array<std::string, 4>;
    EXPECT_EQ(SplitAddress("192.168.0.1"), (Parts{"192", "168", "0", "1"}));
    EXPECT_EQ(SplitAddress("10.1"), (Parts{"10", "", "", "1"}));
    EXPECT_EQ(SplitAddress("1.2.3.4.5"), (Parts{"1", "2", "3", "4.5"}));
    for (const char* part : {"", "0", "255", "007"})
        EXPECT_TRUE(ValidAddressPart(part)) << part;
    for (const char* part : {"256", "999", "1000", "-1", "+1", " 1", "$FF", "4.5"})
        EXPECT_FALSE(ValidAddressPart(part)) << part;
}
