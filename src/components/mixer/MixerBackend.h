#pragma once
// What the audio mixer needs of the system's mixer devices, as plain records: devices, their
// destination and source lines, the controls of a line and the values of a control. The winmm
// backend is the program's; tests model devices of their own.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tav {

// Control types (the system's numbers).
inline constexpr std::uint32_t kMixerVolumeControl = 0x50030001;
inline constexpr std::uint32_t kMixerMuteControl = 0x20010002;
inline constexpr std::uint32_t kMixerMuxControl = 0x70010001;
inline constexpr std::uint32_t kMixerMixerControl = 0x71010001;
// Every type from here on is a list control.
inline constexpr std::uint32_t kMixerFirstListControl = 0x70000000;

// Control flags.
inline constexpr std::uint32_t kMixerUniform = 1;  // one value for all channels
inline constexpr std::uint32_t kMixerMultiple = 2; // one value per item
inline constexpr std::uint32_t kMixerDisabled = 0x80000000;

struct TMixerCaps {
    std::uint16_t ManufacturerId = 0;
    std::uint16_t ProductId = 0;
    std::uint32_t DriverVersion = 0;
    std::string ProductName;
    std::uint32_t Destinations = 0;
};

struct TMixerLine {
    std::uint32_t Destination = 0;
    std::uint32_t Source = 0;
    std::uint32_t LineId = 0;
    std::uint32_t ComponentType = 0;
    std::uint32_t Channels = 0;
    std::uint32_t Connections = 0;
    std::uint32_t Controls = 0;
    std::string ShortName; // up to 16 characters
    std::string Name;      // up to 64 characters
};

struct TMixerControl {
    std::uint32_t ControlId = 0;
    std::uint32_t ControlType = 0;
    std::uint32_t Flags = 0;
    std::uint32_t MultipleItems = 0;
    std::uint32_t Minimum = 0; // the bounds of an unsigned value
    std::uint32_t Maximum = 0;
    std::string ShortName;
    std::string Name;
};

// One item of a list control: the source line it stands for and its name.
struct TMixerListText {
    std::uint32_t LineId = 0;
    std::string Name;
};

enum class TMixerNotice { LineChange, ControlChange };
// A change the open device reported: its handle and the line's or control's identifier.
using TMixerNotify =
    std::function<void(TMixerNotice notice, std::uintptr_t mixer, std::uint32_t id)>;

// One device is open at a time. The values of a control are `channels` times `items` 32-bit values
// (unsigned levels or Booleans), with `items` 0 for a control that has one value per channel.
class IMixerBackend {
public:
    virtual ~IMixerBackend() = default;
    virtual int DeviceCount() = 0;
    // `notify`: the device reports its changes to the function given to SetNotify.
    virtual bool Open(int id, bool notify) = 0;
    virtual void Close() = 0;
    virtual void SetNotify(TMixerNotify notify) = 0;
    // Of the open device; zeros and no name when it cannot be read.
    virtual TMixerCaps Caps() = 0;
    virtual std::optional<TMixerLine> DestinationLine(std::uint32_t destination) = 0;
    virtual std::optional<TMixerLine> SourceLine(std::uint32_t destination,
                                                 std::uint32_t source) = 0;
    virtual std::optional<std::vector<TMixerControl>> LineControls(std::uint32_t lineId,
                                                                   std::uint32_t count) = 0;
    virtual std::optional<std::vector<std::uint32_t>>
    Values(const TMixerControl& control, std::uint32_t channels, std::uint32_t items) = 0;
    virtual void SetValues(const TMixerControl& control, std::uint32_t channels,
                           std::uint32_t items, const std::vector<std::uint32_t>& values) = 0;
    virtual std::optional<std::vector<TMixerListText>>
    ListTexts(const TMixerControl& control, std::uint32_t channels, std::uint32_t items) = 0;
};

} // namespace tav
