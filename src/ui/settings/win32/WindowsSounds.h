#pragma once
// The event sounds of the user's Windows sound scheme.

#include "ui/settings/SoundList.h"

#include <string>
#include <vector>

namespace tav {

// Where Windows keeps its event sounds below HKEY_CURRENT_USER.
inline constexpr const char* kAppEventsKey = "\\AppEvents";

// Each event of each application of the current scheme that has a sound, in registry order:
// its label from the event labels (the event's key name when it has none) and its wave file
// with the environment variables expanded. Unreadable keys are left out.
std::vector<TWindowsSound> ReadWindowsSounds(const std::string& appEventsKey = kAppEventsKey);

} // namespace tav
