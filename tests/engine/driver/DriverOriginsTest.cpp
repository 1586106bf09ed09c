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

// Records each call; refuses the call whose code is `refused`.
struct FakeVxD : IVxDDriver {
    bool present = true;
    bool open = false;
    std::uint32_t refused = 0;
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> calls;
    bool Open() override { return open = present; }
    bool Control(std::uint32_t code, std::span<const std::uint8_t> input) override {
        calls.emplace_back(code, std::vector<std::uint8_t>(input.begin(), input.end()));
        return code != refused;
    }
    void Close() override { open = false; }
};

struct FakeTestView : IOriginTestView {
    std::vector<std::string> lines;
    bool Visible() const override { return true; }
    TDataFormat Format() const override { return TDataFormat::Hexadecimal; }
    void AddLine(const std::string& line) override { lines.push_back(line); }
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
        origins = std::make_unique<TDriverOrigins>(
            TDriverOriginLinks{settings, codes, platform,
                               [this](TDriverValuesFn onCode) {
                                   ++readersMade;
                                   deliver = std::move(onCode);
                                   auto made = std::make_unique<FakeReader>();
                                   made->reachedDriver = made->active = driverPresent;
                                   reader = made.get();
                                   return made;
                               },
                               vxd, [] { return 0x00ABCDEFu; }, boxes.Fn()});
    }
    void Deliver(std::vector<std::int16_t> values) { deliver(values); }
    int Firings() const { return static_cast<int>(fake.tree.selections.size()); }
    std::string LastBox() const {
        return boxes.shown.empty() ? ""
                                   : boxes.shown.back().Text + "/" + boxes.shown.back().Caption;
    }
};

TEST_F(DriverOrigins, WithoutTheDriverEveryOpeningReportsItAndClosingFails) {
    driverPresent = false;
    On(TDriverPlatform::Nt5);
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_FALSE(origins->OpenDriverReceiver(true));
        EXPECT_EQ(LastBox(), "Cannot connect with DaruZuzed.uru driver. Check the driver is "
                             "correctly installed, then restart the application./Driver error");
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].Flags, kMbOk | kMbIconExclamation);
    EXPECT_EQ(readersMade, 1) << "the reader is made once and kept";
    EXPECT_FALSE(origins->OpenDriverReceiver(false));
}

TEST_F(DriverOrigins, TheDriversCodesAreWholeCodesAndAHeldKeyRepeatsATypematicCommand) {
    Learn(*vol->Data(), {-1, 300});
    On(TDriverPlatform::Nt5);
    ASSERT_TRUE(origins->OpenDriverReceiver(true));
    EXPECT_TRUE(boxes.shown.empty());

    Deliver({-1, 300});
    EXPECT_EQ(doc.LastFiredCommand, vol->Data()) << "values are signed";
    ASSERT_TRUE(doc.TypematicActive);
    Deliver({7}); // the driver's code of the held key, whatever it reads
    EXPECT_EQ(Firings(), 2);
    EXPECT_EQ(fake.tree.selections.back(), vol);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    EXPECT_TRUE(fake.timer.running) << "the repeat restarts the time-out";
    doc.TypematicActive = false;
    fake.timer.running = false;
    Deliver({7});
    EXPECT_EQ(fake.tree.selections.back(), nullptr) << "matched, and nothing fits";

    FakeTestView view;
    codes.SetTestView(&view);
    doc.TypematicActive = true;
    Deliver({-1, 300});
    EXPECT_EQ(view.lines, (std::vector<std::string>{"-1 300 "})) << "always in decimal";
    codes.SetTestView(nullptr);

    EXPECT_TRUE(origins->OpenDriverReceiver(false));
    EXPECT_FALSE(reader->active);
    EXPECT_FALSE(origins->OpenDriverReceiver(false)) << "a disabled reader does not close";
    EXPECT_TRUE(origins->OpenDriverReceiver(true));
    EXPECT_TRUE(reader->active);
    EXPECT_EQ(readersMade, 1);
}

TEST_F(DriverOrigins, The9xDriverIsGivenTheWindowAndThePortAndEachRefusalIsReported) {
    On(TDriverPlatform::Win9x);
    vxd.present = false;
    EXPECT_FALSE(origins->OpenDriverReceiver(true));
    EXPECT_EQ(LastBox(), "Cannot open VxD file./Driver error");
    vxd.present = true;

    using Bytes = std::vector<std::uint8_t>;
    settings.SetInt("Serial port", 2);
    ASSERT_TRUE(origins->OpenDriverReceiver(true));
    ASSERT_EQ(vxd.calls.size(), 3u);
    EXPECT_EQ(vxd.calls[0], std::pair(kVxDConnectCode, Bytes{0xEF, 0xCD, 0xAB, 0x00}));
    EXPECT_EQ(vxd.calls[1], std::pair(kVxDRegisterCode, Bytes{}));
    EXPECT_EQ(vxd.calls[2], std::pair(kVxDHardwareCode, Bytes{3, 0, 0xF8, 0x02, 2, 0}));
    EXPECT_TRUE(origins->OpenDriverReceiver(false));
    EXPECT_FALSE(vxd.open);

    settings.SetInt("Serial port", 3);
    EXPECT_EQ(VxDHardwareInput(settings),
              (std::array<std::uint8_t, 6>{0xFF, 0xFF, 0xFF, 0xFF, 3, 0}))
        << "COM3 has no standard interrupt or base";
    settings.SetInt("Serial IRQ", 7);
    settings.SetInt("Serial I/O", 0x3E8);
    EXPECT_EQ(VxDHardwareInput(settings), (std::array<std::uint8_t, 6>{7, 0, 0xE8, 0x03, 3, 0}));

    const std::pair<std::uint32_t, const char*> refusals[] = {
        {kVxDConnectCode, "Cannot connect to driver."},
        {kVxDRegisterCode, "Cannot register driver."},
        {kVxDHardwareCode, "Wrong hardware parameters. Check resources."}};
    for (const auto& [code, text] : refusals) {
        vxd.refused = code;
        EXPECT_FALSE(origins->OpenDriverReceiver(true));
        EXPECT_EQ(LastBox(), std::string(text) + "/Driver error");
        EXPECT_FALSE(vxd.open) << "a refusing driver is closed again";
    }
}

TEST_F(DriverOrigins, The9xSamplesCountOnlyWhileItsOriginIsOpenAsRunLengths) {
    On(TDriverPlatform::Win9x);
    const std::int16_t stray[1] = {0}; // read past its end, AddressSanitizer would stop the test
    origins->WMVxDData(stray);
    EXPECT_EQ(Firings(), 0);

    std::vector<std::int16_t> samples(kVxDSamples, 1);
    samples[0] = samples[1] = samples[2] = 0;
    samples[5] = samples[6] = 0;
    // Runs: 0 before the first sample, three 0s (2), two 1s (1), two 0s (1); the last run of
    // 1s is left out.
    Learn(*vol->Data(), {0, 2, 1, 1});
    ASSERT_TRUE(origins->OpenDriverReceiver(true));
    origins->WMVxDData(samples.data());
    EXPECT_EQ(doc.LastFiredCommand, vol->Data());

    EXPECT_EQ(SampleRuns(std::vector<std::int16_t>(kVxDSamples, -5)), std::vector<std::int32_t>{0})
        << "one level is a single value";
    EXPECT_EQ(SampleRuns(std::vector<std::int16_t>{-1, -1, 4}), std::vector<std::int32_t>{2})
        << "a first sample of -1 continues the run before it";

    origins->OpenDriverReceiver(false);
    doc.LastFiredCommand = nullptr;
    origins->WMVxDData(stray);
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
}

TEST_F(DriverOrigins, NtBefore5HasNoDriverForOpeningNorForClosing) {
    On(TDriverPlatform::NtBefore5);
    for (bool active : {true, false}) {
        EXPECT_FALSE(origins->OpenDriverReceiver(active));
        EXPECT_EQ(LastBox(), "Sorry, there is no driver support for Windows NT. Try using device "
                             "\"SIRC\" instead./Error loading driver");
    }
    EXPECT_EQ(readersMade, 0);
    EXPECT_TRUE(vxd.calls.empty());
}

} // namespace
