// The audio mixer over a made-up device: a stereo destination with mono, stereo and ranged
// sources, a recording destination whose sources are chosen by a single-select list, and one
// whose sources are chosen by a multiple-select list.

#include "components/mixer/AudioMixer.h"

#include <gtest/gtest.h>

#include <map>

using namespace tav;

namespace {

using TLevels = std::vector<std::uint32_t>;

TMixerLine Line(std::uint32_t dest, std::uint32_t id, const char* name, std::uint32_t channels,
                std::uint32_t connections, std::uint32_t controls) {
    return {dest, 0, id, 0, channels, connections, controls, name, name};
}

TMixerControl Control(std::uint32_t id, std::uint32_t type, std::uint32_t flags = 0,
                      std::uint32_t items = 0, std::uint32_t max = 65535) {
    return {id, type, flags, items, 0, max, "", ""};
}

class TFakeBackend : public IMixerBackend {
public:
    int Devices = 2;
    int FailingOpens = 0;
    std::vector<std::string> Calls;
    TMixerNotify Notify;
    std::map<std::uint32_t, TMixerLine> Destinations;
    std::map<std::pair<std::uint32_t, std::uint32_t>, TMixerLine> Sources;
    std::map<std::uint32_t, std::vector<TMixerControl>> Controls;
    std::map<std::uint32_t, TLevels> Levels;
    std::map<std::uint32_t, std::vector<TMixerListText>> Texts;

    TFakeBackend() {
        // Destination 1 and source 1 of destination 0 cannot be read.
        Destinations = {{0, Line(0, 100, "Speakers", 2, 3, 2)},
                        {2, Line(2, 200, "Recording", 2, 2, 1)},
                        {3, Line(3, 300, "Monitor", 2, 2, 1)}};
        Sources = {
            {{0, 0}, Line(0, 110, "CD", 1, 0, 2)},  {{0, 2}, Line(0, 112, "Wave", 2, 0, 2)},
            {{2, 0}, Line(2, 210, "Mic", 1, 0, 1)}, {{2, 1}, Line(2, 211, "Line In", 2, 0, 0)},
            {{3, 0}, Line(3, 310, "Mic", 1, 0, 0)}, {{3, 1}, Line(3, 311, "Aux", 1, 0, 0)}};
        Controls = {
            {100, {Control(1001, kMixerVolumeControl), Control(1002, kMixerMuteControl, 1)}},
            {110,
             {Control(1101, kMixerVolumeControl, kMixerDisabled),
              Control(1102, kMixerMuteControl)}},
            // An equalizer-like control with one level per item comes first.
            {112,
             {Control(1120, kMixerVolumeControl, kMixerMultiple, 1),
              Control(1121, kMixerVolumeControl, kMixerUniform, 0, 100)}},
            {200, {Control(2001, kMixerMuxControl, kMixerUniform | kMixerMultiple, 2)}},
            {210, {Control(2101, kMixerVolumeControl)}},
            {300,
             {Control(3001, kMixerMixerControl, kMixerUniform | kMixerMultiple | kMixerDisabled,
                      2)}}};
        Levels = {{1001, {40000, 20000}}, {1002, {0}},  {1101, {5000}}, {1102, {1}},
                  {1120, {9, 9}},         {1121, {50}}, {2001, {0, 1}}, {2101, {1000}},
                  {3001, {1, 1}}};
        Texts = {{2001, {{210, "Mic"}, {211, "Line In"}}}, {3001, {{310, "Mic"}, {311, "Aux"}}}};
    }

    int DeviceCount() override { return Devices; }
    bool Open(int id, bool notify) override {
        Calls.push_back("open " + std::to_string(id) + (notify ? " notify" : " quiet"));
        open_ = id;
        return FailingOpens-- <= 0;
    }
    void Close() override { Calls.push_back("close"); }
    void SetNotify(TMixerNotify notify) override { Notify = std::move(notify); }
    TMixerCaps Caps() override {
        if (open_ == 1)
            return {7, 2, 0x501, "Other", 0};
        return {1, 104, 0x500, "Fake Mixer", 4};
    }
    std::optional<TMixerLine> DestinationLine(std::uint32_t d) override {
        return Find(Destinations, d);
    }
    std::optional<TMixerLine> SourceLine(std::uint32_t d, std::uint32_t s) override {
        return Find(Sources, std::pair{d, s});
    }
    std::optional<std::vector<TMixerControl>> LineControls(std::uint32_t id,
                                                           std::uint32_t count) override {
        auto controls = Find(Controls, id);
        return controls && controls->size() == count ? controls : std::nullopt;
    }
    // The values are read and written only with the count the device holds.
    std::optional<TLevels> Values(const TMixerControl& c, std::uint32_t channels,
                                  std::uint32_t items) override {
        auto values = Find(Levels, c.ControlId);
        return values && values->size() == channels * std::max(items, 1u) ? values : std::nullopt;
    }
    void SetValues(const TMixerControl& c, std::uint32_t channels, std::uint32_t items,
                   const TLevels& values) override {
        ASSERT_EQ(values.size(), channels * std::max(items, 1u));
        Calls.push_back("set " + std::to_string(c.ControlId));
        Levels[c.ControlId] = values;
    }
    std::optional<std::vector<TMixerListText>> ListTexts(const TMixerControl& c, std::uint32_t,
                                                         std::uint32_t) override {
        return Find(Texts, c.ControlId);
    }

private:
    template <class M, class K> static std::optional<typename M::mapped_type> Find(M& m, K key) {
        const auto it = m.find(key);
        return it != m.end() ? std::optional(it->second) : std::nullopt;
    }
    int open_ = -1;
};

using TFields = std::tuple<int, int, int, bool, bool, bool, bool>;
TFields Fields(const TMixerVolume& v) {
    return {v.Left, v.Right, v.Mute, v.Stereo, v.VolDisabled, v.MuteDisabled, v.MuteIsSelect};
}

struct AudioMixer : ::testing::Test {
    TFakeBackend* fake = new TFakeBackend;
    TAudioMixer mixer{nullptr, std::unique_ptr<IMixerBackend>(fake)};

    TMixerVolume Read(int dest, int conn) {
        TMixerVolume v;
        EXPECT_TRUE(mixer.GetVolume(dest, conn, v));
        return v;
    }
};

TEST_F(AudioMixer, SelectingADeviceReadsItsTreeAndLeavesOutWhatCannotBeRead) {
    EXPECT_EQ(mixer.MixerCount(), 2);
    EXPECT_EQ(mixer.MixerId(), 0);
    EXPECT_EQ(mixer.Manufacturer(), "Microsoft");
    EXPECT_EQ(mixer.ProductName(), "Fake Mixer");
    EXPECT_EQ(mixer.NumberOfLine(), 4);
    const TMixerDestinations& dests = mixer.Destinations();
    ASSERT_EQ(dests.GetCount(), 3);
    EXPECT_EQ(dests.GetDestination(1)->Data().Name, "Recording");
    EXPECT_EQ(dests.GetDestination(-1), nullptr);
    const TMixerConnections& speakers = dests.GetDestination(0)->Connections();
    ASSERT_EQ(speakers.GetCount(), 2);
    EXPECT_EQ(speakers.GetConnection(1)->Data().Name, "Wave");
    EXPECT_EQ(speakers.GetConnection(1)->Controls().GetCount(), 2);

    mixer.SetMixerId(2);
    mixer.SetMixerId(-1);
    EXPECT_EQ(fake->Calls, std::vector<std::string>{"open 0 notify"}) << "no such device";
    mixer.SetMixerId(1);
    EXPECT_EQ(mixer.Manufacturer(), "7 = Unknown");
    EXPECT_EQ(mixer.Destinations().GetCount(), 0);

    // Two tries with notifications, then one without; the same device is opened again.
    fake->Calls.clear();
    fake->FailingOpens = 2;
    mixer.SetMixerId(1);
    EXPECT_EQ(fake->Calls, (std::vector<std::string>{"close", "open 1 notify", "open 1 notify",
                                                     "open 1 quiet"}));
    EXPECT_EQ(mixer.MixerId(), 1);
    fake->FailingOpens = 3;
    mixer.SetMixerId(0);
    EXPECT_EQ(mixer.MixerId(), -1);
    EXPECT_EQ(mixer.Destinations().GetCount(), 0);
    TMixerVolume v;
    EXPECT_FALSE(mixer.GetVolume(0, -1, v));
    EXPECT_FALSE(mixer.SetVolume(0, -1, 0, -1, 0));
}

TEST_F(AudioMixer, VolumesOfStereoMonoUniformAndRangedLines) {
    // Left, Right, Mute, Stereo, VolDisabled, MuteDisabled, MuteIsSelect.
    EXPECT_EQ(Fields(Read(0, -1)), Fields({40000, 20000, 0, true, false, false, false}));
    EXPECT_EQ(Fields(Read(0, 0)), Fields({5000, 5000, 1, false, true, false, false}));
    // One level for both channels, in the range 0..100; no mute anywhere.
    EXPECT_EQ(Fields(Read(0, 1)), Fields({32768, 32768, -1, false, false, true, false}));

    EXPECT_TRUE(mixer.SetVolume(0, 1, 65535, -1, -1));
    EXPECT_EQ(fake->Levels[1121], TLevels{100});
    EXPECT_TRUE(mixer.SetVolume(0, 1, 0, -1, 1));
    EXPECT_EQ(fake->Levels[1121], TLevels{0});
    EXPECT_EQ(fake->Levels[1120], (TLevels{9, 9}));
    EXPECT_TRUE(mixer.SetVolume(0, -1, 30000, -1, -1));
    EXPECT_EQ(fake->Levels[1001], (TLevels{30000, 30000}));
    EXPECT_TRUE(mixer.SetVolume(0, -1, 1, 2, -1));
    EXPECT_EQ(fake->Levels[1001], (TLevels{1, 2}));
    fake->Calls.clear();
    EXPECT_TRUE(mixer.SetVolume(0, -1, -1, -1, 1));
    EXPECT_EQ(fake->Calls, std::vector<std::string>{"set 1002"}) << "only the mute";
    EXPECT_EQ(Read(0, -1).Mute, 1);
}

TEST_F(AudioMixer, ASourceWithoutAMuteIsSelectedInItsDestinationsList) {
    EXPECT_EQ(Fields(Read(1, 0)), Fields({1000, 1000, 0, false, false, false, true}));
    EXPECT_EQ(Fields(Read(1, 1)), Fields({-1, -1, 1, false, true, false, true}));
    // Selecting a source of the single-select list unselects the other.
    EXPECT_TRUE(mixer.SetVolume(1, 0, -1, -1, 1));
    EXPECT_EQ(fake->Levels[2001], (TLevels{1, 0}));
    // Unselecting it would leave nothing selected: the selection stays.
    fake->Calls.clear();
    EXPECT_TRUE(mixer.SetVolume(1, 0, -1, -1, 0));
    EXPECT_TRUE(fake->Calls.empty());
    EXPECT_EQ(fake->Levels[2001], (TLevels{1, 0}));
    // A multiple-select list changes the source's own item only.
    EXPECT_EQ(Fields(Read(2, 1)), Fields({-1, -1, 1, false, true, true, true}));
    EXPECT_TRUE(mixer.SetVolume(2, 1, -1, -1, 0));
    EXPECT_EQ(fake->Levels[3001], (TLevels{1, 0}));
}

TEST_F(AudioMixer, LinesThatDoNotExistReturnFalseAndNegativeNumbersTouchNothing) {
    TMixerVolume v{7, 7, 7, true, false, false, true};
    EXPECT_FALSE(mixer.GetVolume(-1, -1, v));
    EXPECT_FALSE(mixer.GetVolume(0, -2, v));
    EXPECT_EQ(Fields(v), Fields({7, 7, 7, true, false, false, true}));
    EXPECT_FALSE(mixer.SetVolume(-1, -1, 0, 0, 0));
    EXPECT_FALSE(mixer.SetVolume(0, -2, 0, 0, 0));
    EXPECT_FALSE(mixer.GetVolume(3, -1, v));
    EXPECT_FALSE(mixer.GetVolume(0, 2, v));
    EXPECT_FALSE(mixer.SetVolume(3, -1, 0, 0, 0));
    EXPECT_FALSE(mixer.SetVolume(0, 2, 0, 0, 0));
    EXPECT_EQ(fake->Calls, std::vector<std::string>{"open 0 notify"});

    auto* none = new TFakeBackend;
    none->Devices = 0;
    TAudioMixer empty(nullptr, std::unique_ptr<IMixerBackend>(none));
    EXPECT_EQ(empty.MixerId(), -1);
    EXPECT_EQ(empty.Destinations().GetCount(), 0);
    EXPECT_FALSE(empty.GetVolume(0, -1, v));
    EXPECT_TRUE(none->Calls.empty());
}

TEST_F(AudioMixer, TheDevicesChangeNoticesBecomeItsEvents) {
    fake->Notify(TMixerNotice::LineChange, 0x55, 100); // nobody listens yet
    std::vector<std::string> heard;
    mixer.OnLineChange = [&](TObject* sender, std::uintptr_t h, std::uint32_t id) {
        EXPECT_EQ(sender, &mixer);
        heard.push_back("line " + std::to_string(h) + " " + std::to_string(id));
    };
    mixer.OnControlChange = [&](TObject*, std::uintptr_t h, std::uint32_t id) {
        heard.push_back("control " + std::to_string(h) + " " + std::to_string(id));
    };
    fake->Notify(TMixerNotice::LineChange, 0x55, 100);
    fake->Notify(TMixerNotice::ControlChange, 0x55, 1002);
    EXPECT_EQ(heard, (std::vector<std::string>{"line 85 100", "control 85 1002"}));
}

} // namespace
