#include "ui/main/CommandsMenuState.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

TCommandsMenuState CommandsMenuState(const TCommandNode* selected, bool itemCurrent,
                                     const std::vector<TSoundEntry>& sounds) {
    TCommandsMenuState s;
    if (!selected)
        return s;
    const TCommand& record = *selected->Data();
    const bool command = !selected->IsRemote();
    s.NewCommand = s.Properties = s.Recognition = s.Typematic = s.Rename = s.Delete = true;
    s.RecognitionChecked = record.Recognition;
    s.TypematicChecked = record.Typematic;
    s.Learn = s.Sound = command;
    s.CopyToAction = itemCurrent;
    if (command) {
        // A name the list no longer has shows "None" while the command keeps it.
        const auto it = std::find_if(sounds.begin(), sounds.end(), [&](const TSoundEntry& e) {
            return AnsiSameText(e.Name, record.Sound);
        });
        if (it != sounds.end() && !record.Sound.empty())
            s.SoundItem = static_cast<int>(it - sounds.begin()) + 1;
    }
    return s;
}

std::string SoundOfMenuItem(const std::vector<TSoundEntry>& sounds, int item) {
    if (item < 1 || item > static_cast<int>(sounds.size()))
        return {};
    return sounds[static_cast<std::size_t>(item - 1)].Name;
}

} // namespace tav
