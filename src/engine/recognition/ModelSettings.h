#pragma once
// The recognition settings read from the settings model at each use.

#include "engine/recognition/RecognitionPorts.h"
#include "engine/settings/Settings.h"

#include <string_view>

namespace tav {

struct TSettingRange {
    int Low;
    int High;
};
// The range of one of the recognition numbers ("Skip first", "Tolerance", "Length limit",
// "Value size", "Recognition time out", "Binary threshold"), which the settings dialog's
// control allows and outside which the settings model reads the number as its default.
TSettingRange RecognitionRange(std::string_view name);

// The recognition time-out in milliseconds, 100..1000.
int RecognitionTimeOut(const TSettings& settings);
// Bytes a serial value is made of, 1..4.
int ValueSize(const TSettings& settings);

class TModelRecognitionSettings : public IRecognitionSettings {
public:
    // `serialMode` and `logEnabled` are the main window's own copies, read at each use too.
    TModelRecognitionSettings(const TSettings& settings, const int& serialMode,
                              const bool& logEnabled);
    TRecognitionSettings Read() const override;
    // Sound names compare without regard to letter case, as the registry's value names do.
    std::optional<std::string> SoundFile(const std::string& sound) const override;

private:
    const TSettings& settings_;
    const int& serialMode_;
    const bool& logEnabled_;
};

} // namespace tav
