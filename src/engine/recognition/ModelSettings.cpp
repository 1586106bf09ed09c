#include "engine/recognition/ModelSettings.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {

int Clamped(const TSettings& settings, std::string_view name, int low, int high) {
    return std::clamp(static_cast<int>(settings.Int(name)), low, high);
}

TReportParts Parts(const TSettings& settings, std::string_view prefix, bool data) {
    const std::string p(prefix);
    return {settings.Bool(p + "remote"), settings.Bool(p + "command"),
            data && settings.Bool(p + "data"), settings.Bool(p + "action")};
}

} // namespace

int RecognitionTimeOut(const TSettings& settings) {
    return Clamped(settings, "Recognition time out", 100, 1000);
}

int ValueSize(const TSettings& settings) {
    return Clamped(settings, "Value size", 1, 4);
}

TModelRecognitionSettings::TModelRecognitionSettings(const TSettings& settings,
                                                     const int& serialMode, const bool& logEnabled)
    : settings_(settings), serialMode_(serialMode), logEnabled_(logEnabled) {}

TRecognitionSettings TModelRecognitionSettings::Read() const {
    TRecognitionSettings r;
    r.Compare.SkipFirst = Clamped(settings_, "Skip first", 0, 100);
    r.Compare.Tolerance = Clamped(settings_, "Tolerance", 0, 32767);
    r.Compare.LengthLimit = Clamped(settings_, "Length limit", 0, 100);
    r.Compare.Binary = settings_.Bool("Binary values");
    r.Compare.BinaryThreshold = Clamped(settings_, "Binary threshold", 0, 32767);
    r.Compare.SameLength = settings_.Bool("SameLength values");
    r.UseSerialPort = settings_.Bool("Use serial port");
    r.SerialMode = serialMode_;
    r.PlaySounds = settings_.Bool("Play sounds");
    r.Dde = Parts(settings_, "DDE send ", true);
    r.Tcp = Parts(settings_, "TCP/IP info send ", true);
    r.Osd = Parts(settings_, "OSD show ", false);
    r.LogEnabled = logEnabled_;
    r.LogFile = settings_.Str("Log file");
    return r;
}

std::optional<std::string> TModelRecognitionSettings::SoundFile(const std::string& sound) const {
    const auto& sounds = settings_.Sounds();
    const auto it = std::find_if(sounds.begin(), sounds.end(), [&](const TSoundEntry& entry) {
        return AnsiSameText(entry.Name, sound);
    });
    if (it == sounds.end())
        return std::nullopt;
    return it->Path;
}

} // namespace tav
