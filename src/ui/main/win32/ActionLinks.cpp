#include "ui/main/win32/ActionLinks.h"

namespace tav {

bool TAudioMixerLink::GetVolume(int destination, int connection, TLineVolume& volume) {
    TMixerVolume read;
    if (!mixer_.GetVolume(destination, connection, read))
        return false;
    volume = {read.Left, read.Right, read.Mute};
    return true;
}

} // namespace tav
