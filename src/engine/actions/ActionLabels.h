#pragma once
// Texts that describe action strings: the items of the action editor's lists and the captions of
// its options. The editor supplies the translated ones; DefaultActionLabels holds the built-in
// English texts. The stored numbers of an action string are item indexes of these lists, so the
// item order is fixed.

#include <cstdint>
#include <optional>
#include <string>

namespace tav {

enum class ActionList {
    ActionTypes,   // "Tap key", "Mouse move", ... (the type index of each kind)
    SystemKeys,    // the 54 system keys of a tap key
    ClickTypes,    // "Left", "Middle", ...
    Directions,    // "Up", "Up-Left", ...
    VolumeSteps,   // "Up", "Down"
    ShutdownKinds, // "Log off", "Reboot", ...
    WindowStates,  // "Minimize", "Maximize", ...
    OsdTexts,      // "Current time", "Current date": shown as the time or date instead
};

// Captions of the editor's options, with their "&" and ending ":" as the controls hold them.
enum class ActionOption { Click, DoubleClick, Volume, Mute };

class ActionLabels {
public:
    virtual ~ActionLabels() = default;
    // Item `index` of `list`; empty when the list has no such item.
    virtual std::optional<std::string> Item(ActionList list, std::int32_t index) const = 0;
    virtual std::string Caption(ActionOption option) const = 0;
    // Name of mixer line `line` (0 the destination itself, k its connection k - 1) of
    // destination `destination` of the mixer as it is open now; empty when it has no such line.
    virtual std::optional<std::string> MixerLineName(std::int32_t destination,
                                                     std::int32_t line) const = 0;
};

// English texts; knows no mixer lines.
class DefaultActionLabels : public ActionLabels {
public:
    std::optional<std::string> Item(ActionList list, std::int32_t index) const override;
    std::string Caption(ActionOption option) const override;
    std::optional<std::string> MixerLineName(std::int32_t destination,
                                             std::int32_t line) const override;
};

} // namespace tav
