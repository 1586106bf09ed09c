#pragma once
// Mixer devices made up of names only: each device's destinations and their source lines.

#include "components/mixer/MixerBackend.h"

#include <string>
#include <vector>

namespace tav::test {

struct FakeMixerDestination {
    std::string Name;
    std::vector<std::string> Sources;
};
struct FakeMixerDevice {
    std::string Product;
    std::vector<FakeMixerDestination> Destinations;
};

class FakeMixerBackend : public IMixerBackend {
public:
    explicit FakeMixerBackend(std::vector<FakeMixerDevice> devices)
        : devices_(std::move(devices)) {}

    int DeviceCount() override { return static_cast<int>(devices_.size()); }
    bool Open(int id, bool) override {
        open_ = static_cast<std::size_t>(id);
        return true;
    }
    void Close() override {}
    void SetNotify(TMixerNotify) override {}
    TMixerCaps Caps() override {
        return {1, 1, 1, Device().Product,
                static_cast<std::uint32_t>(Device().Destinations.size())};
    }
    std::optional<TMixerLine> DestinationLine(std::uint32_t d) override {
        if (d >= Device().Destinations.size())
            return std::nullopt;
        const FakeMixerDestination& dest = Device().Destinations[d];
        return TMixerLine{d, 0,         100 * d,
                          0, 2,         static_cast<std::uint32_t>(dest.Sources.size()),
                          0, dest.Name, dest.Name};
    }
    std::optional<TMixerLine> SourceLine(std::uint32_t d, std::uint32_t s) override {
        const std::string& name = Device().Destinations.at(d).Sources.at(s);
        return TMixerLine{d, s, 100 * d + s + 1, 0, 2, 0, 0, name, name};
    }
    std::optional<std::vector<TMixerControl>> LineControls(std::uint32_t, std::uint32_t) override {
        return std::vector<TMixerControl>{};
    }
    std::optional<std::vector<std::uint32_t>> Values(const TMixerControl&, std::uint32_t,
                                                     std::uint32_t) override {
        return std::nullopt;
    }
    void SetValues(const TMixerControl&, std::uint32_t, std::uint32_t,
                   const std::vector<std::uint32_t>&) override {}
    std::optional<std::vector<TMixerListText>> ListTexts(const TMixerControl&, std::uint32_t,
                                                         std::uint32_t) override {
        return std::nullopt;
    }

private:
    const FakeMixerDevice& Device() const { return devices_.at(open_); }
    std::vector<FakeMixerDevice> devices_;
    std::size_t open_ = 0;
};

// Two devices whose lines differ, so that a list filled for the wrong one shows.
inline std::vector<FakeMixerDevice> TwoMixers() {
    return {{"Onboard", {{"Speakers", {"CD", "Wave"}}, {"Recording", {"Mic"}}}},
            {"Headset", {{"Phones", {"Voice"}}}}};
}

} // namespace tav::test
