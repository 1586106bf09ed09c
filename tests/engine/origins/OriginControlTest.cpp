#include "engine/origins/OriginControl.h"
#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct FakeHost : IOriginHost {
    std::vector<std::pair<TOrigin, bool>> switched;
    std::vector<TOrigin> failing;
    bool checked = false;
    std::string status = "stale";
    bool SwitchOrigin(TOrigin origin, bool active) override {
        switched.emplace_back(origin, active);
        return std::find(failing.begin(), failing.end(), origin) == failing.end();
    }
    std::string EnableOriginCaption() const override { return "Ori&gin enabled"; }
    bool EnableOriginChecked() const override { return checked; }
    void SetEnableOriginChecked(bool c) override { checked = c; }
    void SetOriginStatus(const std::string& text) override { status = text; }
};

struct OriginControl : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDocument doc;
    FakeHost host;
    TOriginControl control{doc, settings, host};

    OriginControl() {
        for (const char* box : {"Use serial port", "Use serial console port", "Use AVerMedia",
                                "Use BestBuy", "Use keyboard trapping"})
            settings.SetBool(box, true);
    }
};

TEST_F(OriginControl, OpensTheCheckedOriginsInOrderAndNamesThemAll) {
    doc.ReceivedCode.AppendUpTo1000(7);
    EXPECT_TRUE(control.StartOrigins(true));
    EXPECT_EQ(host.switched, (std::vector<std::pair<TOrigin, bool>>{{TOrigin::Receiver, true},
                                                                    {TOrigin::Console, true},
                                                                    {TOrigin::TvApplication, true},
                                                                    {TOrigin::Keyboard, true}}));
    EXPECT_TRUE(host.checked);
    EXPECT_EQ(host.status, "Origin enabled: Serial port, Serial port console, AVerMedia TV Series "
                           "Remote, BestBuy EasyTV, Keyboard press trapping");
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
}

TEST_F(OriginControl, AFailedOpenLeavesTheLaterOriginsAloneAndClosesWhatItOpened) {
    host.failing = {TOrigin::Keyboard};
    EXPECT_FALSE(control.StartOrigins(true));
    EXPECT_EQ(host.switched, (std::vector<std::pair<TOrigin, bool>>{{TOrigin::Receiver, true},
                                                                    {TOrigin::Console, true},
                                                                    {TOrigin::TvApplication, true},
                                                                    {TOrigin::Keyboard, true},
                                                                    {TOrigin::TvApplication, false},
                                                                    {TOrigin::Console, false},
                                                                    {TOrigin::Receiver, false}}));
    EXPECT_FALSE(host.checked);
    EXPECT_EQ(host.status, "");
}

TEST_F(OriginControl, TheMenuItemFlipsStoresAndSwitches) {
    control.EnableOriginMenuClick();
    EXPECT_TRUE(settings.Bool("Origin enabled"));
    EXPECT_TRUE(host.checked);
    host.failing = {TOrigin::Console};
    control.EnableOriginMenuClick();
    EXPECT_FALSE(settings.Bool("Origin enabled"));
    EXPECT_FALSE(host.checked);
    // A failed close does not keep the later origins running.
    EXPECT_EQ(host.switched.back(), std::make_pair(TOrigin::Keyboard, false));
}

} // namespace
