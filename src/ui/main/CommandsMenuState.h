#pragma once
// What the Commands menu (and the tree's popup, its copy) offers for the selected node.

#include "engine/document/CommandsTree.h"
#include "engine/settings/SettingsStore.h"

#include <string>
#include <vector>

namespace tav {

struct TCommandsMenuState {
    bool NewCommand = false;
    bool Learn = false;
    bool Properties = false;
    bool Recognition = false;
    bool Typematic = false;
    bool Sound = false;
    bool CopyToAction = false;
    bool Rename = false;
    bool Delete = false;
    bool RecognitionChecked = false;
    bool TypematicChecked = false;
    // The checked item of the sound submenu: 0 "None", i + 1 the sound list's entry i.
    int SoundItem = 0;
};

// `selected` may be none; `itemCurrent` tells whether an action item is current.
TCommandsMenuState CommandsMenuState(const TCommandNode* selected, bool itemCurrent,
                                     const std::vector<TSoundEntry>& sounds);

// The sound a command stores for an item of the sound submenu: the entry's own name, or empty
// for "None" and for an item the list no longer has.
std::string SoundOfMenuItem(const std::vector<TSoundEntry>& sounds, int item);

} // namespace tav
