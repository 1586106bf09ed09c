// The mixer over winmm where the system has no mixer device, as under Wine here.

#include "components/mixer/win32/WinmmMixerBackend.h"

#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

TEST(WinmmMixer, WithoutADeviceEveryOperationFailsQuietlyAndNoticesStillArrive) {
    ASSERT_EQ(mixerGetNumDevs(), 0u) << "this test needs a system without mixer devices";
    auto backend = std::make_unique<TWinmmMixerBackend>();
    const HWND window = backend->Window();
    TAudioMixer mixer(nullptr, std::move(backend));
    EXPECT_EQ(mixer.MixerCount(), 0);
    EXPECT_EQ(mixer.MixerId(), -1);
    mixer.SetMixerId(0);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_EQ(mixer.Destinations().GetCount(), 0);
    TMixerVolume volume;
    EXPECT_FALSE(mixer.GetVolume(0, -1, volume));
    EXPECT_FALSE(mixer.SetVolume(0, -1, 1000, -1, 1));

    TWinmmMixerBackend direct;
    EXPECT_FALSE(direct.Open(0, true));
    EXPECT_EQ(direct.Caps().Destinations, 0u);
    EXPECT_FALSE(direct.DestinationLine(0));
    EXPECT_FALSE(direct.Values(TMixerControl{}, 1, 0));

    // The window turns the device's messages into the component's events.
    std::vector<std::uint32_t> ids;
    mixer.OnLineChange = [&](TObject*, std::uintptr_t h, std::uint32_t id) {
        EXPECT_EQ(h, 0x1234u);
        ids.push_back(id);
    };
    mixer.OnControlChange = [&](TObject*, std::uintptr_t, std::uint32_t id) {
        ids.push_back(id + 1000);
    };
    PostMessageA(window, MM_MIXM_LINE_CHANGE, 0x1234, 7);
    PostMessageA(window, MM_MIXM_CONTROL_CHANGE, 0x1234, 8);
    EXPECT_TRUE(test::PumpUntil([&] { return ids.size() == 2; }, 2s));
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{7, 1008}));
}

} // namespace
