#include "engine/recognition/win32/Win32Ports.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

namespace tav {

void TWin32SoundPlayer::PlayWave(const std::string& path) {
    // No SND_NODEFAULT: a missing file is heard as the default sound.
    sndPlaySoundA(path.c_str(), SND_FILENAME | SND_ASYNC);
}

void TWin32PointerMover::MoveBy(int dx, int dy) {
    mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(dx), static_cast<DWORD>(dy), 0, 0);
}

} // namespace tav
