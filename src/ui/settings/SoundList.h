#pragma once
// The sounds the settings dialog offers: the user's own list, which commands name their sounds
// from, and the event sounds of the user's Windows scheme.

#include "engine/settings/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// An event sound of the Windows scheme: its label (the event's key name when it has none) and
// its wave file.
struct TWindowsSound {
    std::string Label;
    std::string Path;
    bool operator==(const TWindowsSound&) const = default;
};

// Sorted by name, letter case ignored.
void SortSounds(std::vector<TSoundEntry>& sounds);
// Adds `sound` to the sorted list, in the place of a sound of the same name (letter case
// ignored, as the registry compares the names it stores the sounds under). False, with nothing
// added, for a sound without a name.
bool AddSound(std::vector<TSoundEntry>& sounds, TSoundEntry sound);

// The wave file of the first Windows sound labelled `label`; empty when there is none.
std::string WindowsSoundPath(const std::vector<TWindowsSound>& sounds, std::string_view label);

} // namespace tav
