#include "ui/action/EditorLists.h"

#include "components/mixer/AudioMixer.h"
#include "framework/Text.h"

#include <array>
#include <unordered_map>

namespace tav {

namespace {

constexpr std::size_t kOlderKeyCount = 50;
constexpr std::size_t kNtKeyCount = 54;

// Positions 0 to 49 of both platforms; the NT list differs at 46 and adds Alt, right Alt, Ctrl
// and Shift.
constexpr std::array<std::uint32_t, kOlderKeyCount + kNtKeyCount> kSystemKeyParams = [] {
    constexpr std::array<std::uint32_t, kOlderKeyCount> older = {
        0x001C0001, 0x00390001, 0x01520001, 0x01530001, 0x01470001, 0x014F0001, 0x01490001,
        0x01510001, 0x000F0001, 0x00010001, 0x000E0001, 0x014B0001, 0x014D0001, 0x01480001,
        0x01500001, 0x003B0001, 0x003C0001, 0x003D0001, 0x003E0001, 0x003F0001, 0x00400001,
        0x00410001, 0x00420001, 0x00430001, 0x00440001, 0x00570001, 0x00580001, 0x00520001,
        0x004F0001, 0x00500001, 0x00510001, 0x004B0001, 0x004C0001, 0x004D0001, 0x00470001,
        0x00480001, 0x00490001, 0x00370001, 0x004E0001, 0x004A0001, 0x01350001, 0x00530001,
        0x00450001, 0x003A0001, 0x01450001, 0x00460001, 0x01010001, 0x015B0001, 0x015C0001,
        0x015D0001};
    std::array<std::uint32_t, kOlderKeyCount + kNtKeyCount> all{};
    for (std::size_t i = 0; i < kOlderKeyCount; ++i)
        all[i] = all[kOlderKeyCount + i] = older[i];
    all[kOlderKeyCount + 46] = 0x01370000;
    const std::uint32_t latched[] = {0x00380000, 0x01380000, 0x001D0000, 0x002A0000};
    for (std::size_t i = 0; i < 4; ++i)
        all[2 * kOlderKeyCount + i] = latched[i];
    return all;
}();

constexpr std::string_view kOwnedIndent = "   ";

std::string Entry(const TTopWindow& window) {
    return window.Title + ", " + window.ClassName;
}

const TMixerDeviceLines* DeviceAt(std::span<const TMixerDeviceLines> devices, int mixer) {
    return mixer >= 0 && static_cast<std::size_t>(mixer) < devices.size()
               ? &devices[static_cast<std::size_t>(mixer)]
               : nullptr;
}

} // namespace

std::span<const std::uint32_t> SystemKeyParams(bool windowsNt) {
    const std::span<const std::uint32_t> all = kSystemKeyParams;
    return windowsNt ? all.subspan(kOlderKeyCount, kNtKeyCount) : all.first(kOlderKeyCount);
}

std::vector<std::string> WindowListEntries(const std::vector<TTopWindow>& windows,
                                           std::uintptr_t programWindow) {
    // One pass finds every owner's windows, so the list is made in time linear in the windows.
    std::unordered_map<std::uintptr_t, std::vector<const TTopWindow*>> owned;
    for (const TTopWindow& window : windows)
        if (window.Owner != 0 && !window.Title.empty())
            owned[window.Owner].push_back(&window);
    std::vector<std::string> entries;
    for (const TTopWindow& window : windows) {
        if (window.Owner != 0 || window.Window == programWindow || window.Title.empty())
            continue;
        entries.push_back(Entry(window));
        if (const auto it = owned.find(window.Window); it != owned.end())
            for (const TTopWindow* child : it->second)
                entries.push_back(std::string(kOwnedIndent) + Entry(*child));
    }
    return entries;
}

std::string WithoutOwnedIndent(std::string_view entry) {
    if (entry.starts_with(kOwnedIndent))
        entry.remove_prefix(kOwnedIndent.size());
    return std::string(entry);
}

std::vector<std::string> MixerLineNames(const TAudioMixer& mixer, int destination) {
    const TMixerDestination* dest = mixer.Destinations().GetDestination(destination);
    if (dest == nullptr)
        return {};
    std::vector<std::string> names{dest->Data().Name};
    const TMixerConnections& connections = dest->Connections();
    for (int c = 0; c < connections.GetCount(); ++c)
        names.push_back(connections.GetConnection(c)->Data().Name);
    return names;
}

std::vector<TMixerDeviceLines> ReadMixerDevices(TAudioMixer& mixer) {
    std::vector<TMixerDeviceLines> devices;
    for (int device = 0; device < mixer.MixerCount(); ++device) {
        mixer.SetMixerId(device);
        TMixerDeviceLines lines{mixer.ProductName(), {}};
        for (int d = 0; d < mixer.Destinations().GetCount(); ++d)
            lines.Lines.push_back(MixerLineNames(mixer, d));
        devices.push_back(std::move(lines));
    }
    return devices;
}

std::vector<std::string> DestinationsOf(std::span<const TMixerDeviceLines> devices, int mixer) {
    std::vector<std::string> names;
    if (const TMixerDeviceLines* device = DeviceAt(devices, mixer))
        for (const std::vector<std::string>& lines : device->Lines)
            names.push_back(lines.front());
    return names;
}

std::vector<std::string> LinesOf(std::span<const TMixerDeviceLines> devices, int mixer,
                                 int destination) {
    const TMixerDeviceLines* device = DeviceAt(devices, mixer);
    if (device == nullptr || destination < 0 ||
        static_cast<std::size_t>(destination) >= device->Lines.size())
        return {};
    return device->Lines[static_cast<std::size_t>(destination)];
}

std::vector<std::string> MessageNames(std::span<const std::string> lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines)
        if (const auto equals = line.find('='); equals != std::string::npos)
            names.push_back(line.substr(0, equals));
    return names;
}

std::optional<std::pair<std::string, std::string>>
UserMessageParams(std::span<const std::string> lines, std::string_view name) {
    for (const std::string_view line : lines) {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos || !AnsiSameText(line.substr(0, equals), name))
            continue;
        const std::string_view value = line.substr(equals + 1);
        const auto first = value.find(',');
        if (value.empty() || first == std::string_view::npos)
            return std::nullopt;
        const auto second = value.find(',', first + 1);
        if (second == std::string_view::npos)
            return std::pair{std::string(), std::string(value.substr(first + 1))};
        return std::pair{std::string(value.substr(first + 1, second - first - 1)),
                         std::string(value.substr(second + 1))};
    }
    return std::nullopt;
}

bool IsHexBoxKey(char key) {
    return key == '\b' || HexDigitValue(key) >= 0;
}

} // namespace tav
