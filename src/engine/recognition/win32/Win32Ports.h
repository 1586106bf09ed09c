#pragma once
// The Windows side of the recognizer's ports that belong to recognition itself.

#include "engine/recognition/RecognitionPorts.h"

#include <string>

namespace tav {

// Title and class name of the foreground window, each cut to 200 characters.
class TWin32ForegroundWindow : public IForegroundWindow {
public:
    TWindowNames Names() const override;
};

// Plays a wave file asynchronously; a missing file plays the system's default sound.
class TWin32SoundPlayer : public ISoundPlayer {
public:
    void PlayWave(const std::string& path) override;
};

// Appends to the log file, opening and closing it for each line. A name without a folder is
// taken from `folder` (the program's folder unless given).
class TWin32LogWriter : public ILogWriter {
public:
    TWin32LogWriter();
    explicit TWin32LogWriter(std::string folder);
    std::optional<std::string> AppendLine(const std::string& fileName,
                                          const std::string& line) override;
    std::string PathOf(const std::string& fileName) const;

private:
    std::string folder_; // ends with a backslash
};

class TWin32PointerMover : public IPointerMover {
public:
    void MoveBy(int dx, int dy) override;
};

} // namespace tav
