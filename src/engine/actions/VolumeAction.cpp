// Volume-control actions: a step up or down, or mute toggled, on one mixer line.

#include "engine/actions/ActionExecutor.h"
#include "engine/actions/ActionFieldValue.h"
#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {
constexpr std::int64_t kFullScale = 65535;
} // namespace

std::optional<unsigned> TActionExecutor::Volume(const MixerFields& f, const NumberField& delay) {
    const unsigned interval = IntervalAfter(delay);
    const std::int32_t mixer = Required(f.mixer, "mixer");
    const std::int32_t destination = Required(f.destination, "D:");
    const std::int32_t line = Required(f.line, "C:");
    const auto operation = static_cast<VolumeOperation>(Required(f.operation, "Vol:"));
    const std::int64_t step = std::int64_t{Required(f.increment, "Inc:")} * kFullScale / 100;
    // Line 0 is the destination itself (connection -1).
    const int connection = line - 1;

    IAudioMixer& m = *ports_.Mixer;
    m.SetMixerId(mixer);
    TLineVolume now;
    const bool known = m.GetVolume(destination, connection, now);
    // A volume or mute state the line does not have is left alone, not written as a guess.
    if (operation == VolumeOperation::Up || operation == VolumeOperation::Down) {
        if (!known || now.Left < 0)
            return interval;
        const std::int64_t wanted =
            operation == VolumeOperation::Up ? now.Left + step : now.Left - step;
        const int volume = static_cast<int>(std::clamp<std::int64_t>(wanted, 0, kFullScale));
        m.SetVolume(destination, connection, volume, -1, -1);
        std::string level = "(";
        level += IntToStr(volume * 100 / kFullScale);
        level += "%)";
        ports_.Display->SetSuffix(level);
    } else if (operation == VolumeOperation::ToggleMute) {
        if (!known || now.Mute < 0)
            return interval;
        const int mute = (now.Mute ^ 1) & 0x7F;
        m.SetVolume(destination, connection, -1, -1, mute);
        ports_.Display->SetSuffix(mute != 0 ? "ON" : "OFF");
    }
    return interval;
}

} // namespace tav
