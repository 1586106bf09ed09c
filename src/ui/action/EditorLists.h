#pragma once
// The lists the action editor fills and the small rules of its boxes: the system keys by
// platform, the window list, the mixer's lines, the user messages' parameters and the keys the
// hexadecimal boxes take.

#include "framework/TopWindows.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tav {

class TAudioMixer;

// The key-message parameters (scan code in bits 16 to 23, extended-key flag in bit 24, repeat
// count in the low word) whose key names make the system-key list, in the order the action
// string numbers them: 54 on Windows NT, 50 on the older platforms.
std::span<const std::uint32_t> SystemKeyParams(bool windowsNt);

// The entries of the window combos from the top-level windows in Z order: "title, class" for
// every unowned window with a title except the program's own hidden window, each followed by the
// titled windows it owns, indented by three blanks.
std::vector<std::string> WindowListEntries(const std::vector<TTopWindow>& windows,
                                           std::uintptr_t programWindow);
// The window an entry chosen from the list names: an owned window's entry without its indent.
std::string WithoutOwnedIndent(std::string_view entry);

// The destination's own name, then the names of its connections in order; empty when the open
// device has no such destination.
std::vector<std::string> MixerLineNames(const TAudioMixer& mixer, int destination);

// What the editor lists of one mixer device: its product name and, for each destination, the
// destination's own name followed by the names of its connections.
struct TMixerDeviceLines {
    std::string Name;
    std::vector<std::vector<std::string>> Lines;
    bool operator==(const TMixerDeviceLines&) const = default;
};
// The lists of every device, read once. The mixer is shared with the executor, which opens the
// device of each volume action, so the editor's lists never come from the device open now. The
// mixer is left on the last device.
std::vector<TMixerDeviceLines> ReadMixerDevices(TAudioMixer& mixer);
// The destinations of device `mixer`, and the lines of its destination `destination`; empty for
// a device or a destination that is not there.
std::vector<std::string> DestinationsOf(std::span<const TMixerDeviceLines> devices, int mixer);
std::vector<std::string> LinesOf(std::span<const TMixerDeviceLines> devices, int mixer,
                                 int destination);

// The part before "=" of each line that has one.
std::vector<std::string> MessageNames(std::span<const std::string> lines);
// The wParam and lParam texts of the user message `name` (letter case aside, its first line):
// the text between the first and the second comma of its value, and the text after the second.
// With one comma wParam is empty and lParam the text after it; none without a value or a comma.
std::optional<std::pair<std::string, std::string>>
UserMessageParams(std::span<const std::string> lines, std::string_view name);

// Backspace and the hexadecimal digits; the parameter and stream boxes drop every other key.
bool IsHexBoxKey(char key);

} // namespace tav
