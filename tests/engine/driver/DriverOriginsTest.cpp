#include "engine/driver/DriverOrigins.h"
#include "engine/driver/VxDData.h"
#include "engine/serial/SerialFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct FakeReader : IDriverReader {
    bool reachedDriver = true;
    bool active = true;
    void Enable() override { active = reachedDriver; }
    void Disable() override { active = false; }
    bool GetActive() const override { return active; }
};

// Records each control call and refuses the one whose code is `refused`; holds one block of
// samples at the address its message names.
struct FakeVxD : IVxDDriver {
    static constexpr std::uintptr_t kHeldAt = 0x80001000;
    bool present = true, open = false;
    std::uint32_t refused = 0;
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> calls;
    std::vector<std::int16_t> held;
    int reads = 0;
    bool Open() override { return open = present; }
    bool Control(std::uint32_t code, std::span<const std::uint8_t> input) override {
        calls.emplace_back(code, std::vector<std::uint8_t>(input.begin(), input.end()));
        return code != refused;
    }
    void Close() override { open = false; }
    bool ReadSamples(std::uintptr_t address, std::span<std::int16_t> samples) override {
        ++reads;
        if (address != kHeldAt || held.size() != samples.size())
            return false;
        std::copy(held.begin(), held.end(), samples.begin());
        return true;
    }
};

struct DriverOrigins : ::testing::Test, SerialOriginWorld {
    bool driverPresent = true;
    int readersMade = 0;
    FakeReader* reader = nullptr;
    TDriverValuesFn deliver;
    FakeVxD vxd;
    std::unique_ptr<TDriverOrigins> origins;
    TCommandNode* vol = doc.AddCommand(doc.AddRemote("TV"), "Vol+");

    void On(TDriverPlatform platform) {
        auto makeReader = [this](TDriverValuesFn onCode) {
            ++readersMade;
            deliver = std::move(onCode);
            auto made = std::make_unique<FakeReader>();
            made->reachedDriver = made->active = driverPresent;
            reader = made.get();
            return made;
        };
        origins = std::make_unique<TDriverOrigins>(TDriverOriginLinks{
            settings, codes, platform, makeReader, vxd, [] { return 0x00ABCDEFu; }, boxes.Fn()});
    }
    std::string LastBox() const {
        return boxes.shown.back().Text + "/" + boxes.shown.back().Caption;
    }
};

TEST_F(DriverOrigins, WithoutTheDriverEveryOpeningReportsItAndNtBefore5HasNone) {
    driverPresent = false;
    On(TDriverPlatform::Nt5);
    EXPECT_FALSE(origins->OpenDriverReceiver(true));
    EXPECT_FALSE(origins->OpenDriverReceiver(true)) << "a later opening does not pretend";
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(LastBox(), "Cannot connect with DaruZuzed.uru driver. Check the driver is "
                         "correctly installed, then restart the application./Driver error");
    EXPECT_EQ(readersMade, 1);
    EXPECT_FALSE(origins->OpenDriverReceiver(false));

    On(TDriverPlatform::NtBefore5);
    EXPECT_FALSE(origins->OpenDriverReceiver(false));
    EXPECT_EQ(boxes.shown.back().Caption, "Error loading driver");
}

TEST_F(DriverOrigins, TheDriversCodesAreWholeSignedCodesAndAHeldKeyRepeatsATypematicCommand) {
    Learn(doc, *vol->Data(), {-1, 300});
    On(TDriverPlatform::Nt5);
    ASSERT_TRUE(origins->OpenDriverReceiver(true));
    deliver(std::vector<std::int16_t>{-1, 300});
    EXPECT_EQ(doc.LastFiredCommand, vol->Data());
    ASSERT_TRUE(doc.TypematicActive);
    deliver(std::vector<std::int16_t>{7}); // whatever the driver reads of the held key
    EXPECT_EQ(fake.tree.selections, (std::vector<TCommandNode*>{vol, vol}));
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());

    EXPECT_TRUE(origins->OpenDriverReceiver(false));
    EXPECT_FALSE(reader->active);
    EXPECT_TRUE(origins->OpenDriverReceiver(true));
    EXPECT_TRUE(reader->active);
    EXPECT_EQ(readersMade, 1);
}

TEST_F(DriverOrigins, The9xDriverGetsTheWindowAndTheHardwareAndItsSamplesOnlyWhileOpen) {
    On(TDriverPlatform::Win9x);
    vxd.present = false;
    EXPECT_FALSE(origins->OpenDriverReceiver(true));
    EXPECT_EQ(LastBox(), "Cannot open VxD file./Driver error");

    vxd.present = true;
    settings.SetInt("Serial port", 2);
    using Bytes = std::vector<std::uint8_t>;
    ASSERT_TRUE(origins->OpenDriverReceiver(true));
    EXPECT_EQ(vxd.calls, (std::vector<std::pair<std::uint32_t, Bytes>>{
                             {kVxDConnectCode, {0xEF, 0xCD, 0xAB, 0x00}},
                             {kVxDRegisterCode, {}},
                             {kVxDHardwareCode, {3, 0, 0xF8, 0x02, 2, 0}}}));
    // Runs: 0 before the first sample, three 0s, two 1s, two 0s; the last run is left out.
    std::vector<std::int16_t> samples(kVxDSamples, 1);
    samples[0] = samples[1] = samples[2] = samples[5] = samples[6] = 0;
    Learn(doc, *vol->Data(), {0, 2, 1, 1});
    vxd.held = samples;
    origins->WMVxDData(FakeVxD::kHeldAt);
    EXPECT_EQ(doc.LastFiredCommand, vol->Data());
    // Any process may post the message: its address is read only through the driver, which
    // finds nothing at an address of nothing.
    doc.LastFiredCommand = nullptr;
    origins->WMVxDData(0x10);
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_EQ(SampleRuns(std::vector<std::int16_t>(kVxDSamples, -5)), std::vector<std::int32_t>{0});

    EXPECT_TRUE(origins->OpenDriverReceiver(false));
    const int readsWhileOpen = vxd.reads;
    origins->WMVxDData(FakeVxD::kHeldAt);
    EXPECT_EQ(vxd.reads, readsWhileOpen);

    vxd.refused = kVxDHardwareCode;
    EXPECT_FALSE(origins->OpenDriverReceiver(true));
    EXPECT_EQ(LastBox(), "Wrong hardware parameters. Check resources./Driver error");
    EXPECT_FALSE(vxd.open) << "a refusing driver is closed again";
}

} // namespace
