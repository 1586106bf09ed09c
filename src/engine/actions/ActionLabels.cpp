#include "engine/actions/ActionLabels.h"

#include <span>
#include <string_view>

namespace tav {

namespace {

constexpr std::string_view kActionTypes[] = {"Tap key",     "Mouse move",     "Execute program",
                                             "PostMessage", "Volume control", "Miscellaneous",
                                             "Send data"};

constexpr std::string_view kSystemKeys[] = {"Enter",
                                            "Space",
                                            "Insert",
                                            "Delete",
                                            "Home",
                                            "End",
                                            "Page Up",
                                            "Page Down",
                                            "Tab",
                                            "Esc",
                                            "Backspace",
                                            "Left arrow",
                                            "Right arrow",
                                            "Up arrow",
                                            "Down arrow",
                                            "F1",
                                            "F2",
                                            "F3",
                                            "F4",
                                            "F5",
                                            "F6",
                                            "F7",
                                            "F8",
                                            "F9",
                                            "F10",
                                            "F11",
                                            "F12",
                                            "Numpad 0",
                                            "Numpad 1",
                                            "Numpad 2",
                                            "Numpad 3",
                                            "Numpad 4",
                                            "Numpad 5",
                                            "Numpad 6",
                                            "Numpad 7",
                                            "Numpad 8",
                                            "Numpad 9",
                                            "Numpad *",
                                            "Numpad +",
                                            "Numpad -",
                                            "Numpad /",
                                            "Numpad .",
                                            "Pause",
                                            "Caps Lock",
                                            "Num Lock",
                                            "Scroll Lock",
                                            "Print Screen",
                                            "Left Windows",
                                            "Right Windows",
                                            "Applications",
                                            "Alt",
                                            "Right Alt",
                                            "Ctrl",
                                            "Shift"};

constexpr std::string_view kClickTypes[] = {"Left",      "Middle",     "Right",
                                            "Left down", "Left up",    "Middle down",
                                            "Middle up", "Right down", "Right up"};

constexpr std::string_view kDirections[] = {"Up",    "Up-Left", "Up-Right",  "Left",
                                            "Right", "Down",    "Down-Left", "Down-Right"};

constexpr std::string_view kVolumeSteps[] = {"Up", "Down"};

constexpr std::string_view kShutdownKinds[] = {"Log off", "Reboot", "Shutdown", "Suspend",
                                               "Hibernate"};

constexpr std::string_view kWindowStates[] = {"Minimize", "Maximize", "Restore", "Close"};

constexpr std::string_view kOsdTexts[] = {"Current time", "Current date"};

std::span<const std::string_view> Items(ActionList list) {
    switch (list) {
    case ActionList::ActionTypes:
        return kActionTypes;
    case ActionList::SystemKeys:
        return kSystemKeys;
    case ActionList::ClickTypes:
        return kClickTypes;
    case ActionList::Directions:
        return kDirections;
    case ActionList::VolumeSteps:
        return kVolumeSteps;
    case ActionList::ShutdownKinds:
        return kShutdownKinds;
    case ActionList::WindowStates:
        return kWindowStates;
    case ActionList::OsdTexts:
        return kOsdTexts;
    }
    return {};
}

} // namespace

std::optional<std::string> DefaultActionLabels::Item(ActionList list, std::int32_t index) const {
    const auto items = Items(list);
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return std::nullopt;
    return std::string(items[static_cast<std::size_t>(index)]);
}

std::string DefaultActionLabels::Caption(ActionOption option) const {
    switch (option) {
    case ActionOption::Click:
        return "Button &click:";
    case ActionOption::DoubleClick:
        return "&Double click";
    case ActionOption::Volume:
        return "&Volume:";
    case ActionOption::Mute:
        return "&Toggle mute";
    }
    return {};
}

std::optional<std::string> DefaultActionLabels::MixerLineName(std::int32_t, std::int32_t) const {
    return std::nullopt;
}

} // namespace tav
