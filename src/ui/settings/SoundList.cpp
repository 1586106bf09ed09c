#include "ui/settings/SoundList.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {

bool NameBefore(const TSoundEntry& a, const TSoundEntry& b) {
    return AnsiCompareText(a.Name, b.Name) < 0;
}

} // namespace

void SortSounds(std::vector<TSoundEntry>& sounds) {
    std::stable_sort(sounds.begin(), sounds.end(), NameBefore);
}

bool AddSound(std::vector<TSoundEntry>& sounds, TSoundEntry sound) {
    if (sound.Name.empty())
        return false;
    const auto at = std::lower_bound(sounds.begin(), sounds.end(), sound, NameBefore);
    if (at != sounds.end() && AnsiSameText(at->Name, sound.Name))
        *at = std::move(sound);
    else
        sounds.insert(at, std::move(sound));
    return true;
}

std::string WindowsSoundPath(const std::vector<TWindowsSound>& sounds, std::string_view label) {
    const auto it = std::find_if(sounds.begin(), sounds.end(),
                                 [&](const TWindowsSound& s) { return s.Label == label; });
    return it != sounds.end() ? it->Path : std::string();
}

} // namespace tav
