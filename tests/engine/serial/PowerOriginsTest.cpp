#include "engine/serial/PowerOrigins.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(PowerOrigins, AResumeRestartsOnlyOriginsThatRanBeforeTheSuspendAndOnlyOnce) {
    test::FakeSettingsStore store;
    TSettings settings{store};
    bool running = true;
    std::vector<bool> started;
    TPowerOrigins power{settings, [&] { return running; },
                        [&](bool active) {
                            started.push_back(active);
                            running = active;
                            return true;
                        }};
    EXPECT_EQ(power.WMPowerBroadcast(kPowerQuerySuspend), std::optional<std::intptr_t>(0));
    EXPECT_EQ(power.WMPowerBroadcast(kPowerQueryStandby), std::optional<std::intptr_t>(0));
    EXPECT_TRUE(started.empty()) << "a query changes nothing";
    EXPECT_EQ(power.WMPowerBroadcast(kPowerSuspend), std::nullopt) << "the default answer";
    power.WMPowerBroadcast(kPowerResumeAutomatic);
    power.WMPowerBroadcast(kPowerResumeSuspend);
    EXPECT_EQ(started, (std::vector<bool>{false, true}));

    running = false;
    power.WMPowerBroadcast(kPowerStandby);
    power.WMPowerBroadcast(kPowerResumeStandby);
    EXPECT_EQ(started, (std::vector<bool>{false, true, false}));

    settings.SetBool("Use serial port", false);
    running = true;
    power.WMPowerBroadcast(kPowerSuspend);
    power.WMPowerBroadcast(kPowerResumeSuspend);
    EXPECT_EQ(started.size(), 3u);
}

} // namespace
