#include "engine/recognition/ModelSettings.h"

#include "framework/Text.h"

#include <algorithm>
#include <stdexcept>

namespace tav {

namespace {

TReportParts Parts(const TSettings& settings, std::string_view prefix, bool data) {
    const std::string p(prefix);
    return {settings.Bool(p + "remote"), settings.Bool(p + "command"),
            data && settings.Bool(p + "data"), settings.Bool(p + "action")};
}

} // namespace

TSettingRange RecognitionRange(std::string_view name) {
    const TSettingDef* def = FindSettingDef(name);
    if (def == nullptr || def->Type != TSettingType::Integer)
        throw std::invalid_argument("No recognition number \"" + std::string(name) + "\"");
    return {def->Low, def->High};
}

int RecognitionTimeOut(const TSettings& settings) {
    return settings.Int("Recognition time out");
}

int ValueSize(const TSettings& settings) {
    return settings.Int("Value size");
}

TModelRecognitionSettings::TModelRecognitionSettings(const TSettings& settings,
                                                     const int& serialMode, const bool& logEnabled)
    : settings_(settings), serialMode_(serialMode), logEnabled_(logEnabled) {}

TRecognitionSettings TModelRecognitionSettings::Read() const {
    TRecognitionSettings r;
    r.Compare.SkipFirst = settings_.Int("Skip first");
    r.Compare.Tolerance = settings_.Int("Tolerance");
    r.Compare.LengthLimit = settings_.Int("Length limit");
    r.Compare.Binary = settings_.Bool("Binary values");
    r.Compare.BinaryThreshold = settings_.Int("Binary threshold");
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
