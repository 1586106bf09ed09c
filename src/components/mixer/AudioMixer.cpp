#include "components/mixer/AudioMixer.h"

#include <algorithm>

namespace tav {

namespace {

constexpr std::uint64_t kFullVolume = 65535;
constexpr std::uint16_t kMicrosoft = 1;

std::uint32_t ChannelsOf(const TMixerControl& control, const TMixerLine& line) {
    // A line that claims no channel still has the one value a control holds.
    if ((control.Flags & kMixerUniform) != 0 || line.Channels == 0)
        return 1;
    return line.Channels;
}

std::uint32_t ItemsOf(const TMixerControl& control) {
    return (control.Flags & kMixerMultiple) != 0 ? control.MultipleItems : 0;
}

bool IsList(const TMixerControl& control) {
    return control.ControlType >= kMixerFirstListControl;
}

// A level of the control's own range as 0..65535, rounded; a control without a range reads 0.
int ToVolume(const TMixerControl& control, std::uint32_t level) {
    if (control.Maximum <= control.Minimum)
        return 0;
    const std::uint64_t span = control.Maximum - control.Minimum;
    const std::uint64_t above =
        level <= control.Minimum ? 0 : std::min<std::uint64_t>(level - control.Minimum, span);
    return static_cast<int>((above * kFullVolume + span / 2) / span);
}

std::uint32_t ToLevel(const TMixerControl& control, int volume) {
    if (control.Maximum <= control.Minimum)
        return control.Minimum;
    const auto clamped = static_cast<std::uint64_t>(std::clamp(volume, 0, 65535));
    const std::uint64_t span = control.Maximum - control.Minimum;
    return control.Minimum +
           static_cast<std::uint32_t>((clamped * span + kFullVolume / 2) / kFullVolume);
}

// The item of a list control that stands for source line `lineId`, looked for among the values
// of the last channel.
std::optional<std::size_t> FindItem(const std::vector<TMixerListText>& texts,
                                    std::uint32_t channels, std::size_t valueCount,
                                    std::uint32_t lineId) {
    for (std::size_t i = channels - 1; i < texts.size() && i < valueCount; i += channels)
        if (texts[i].LineId == lineId)
            return i;
    return std::nullopt;
}

} // namespace

const TMixerLine& TAudioMixer::TLine::Data() const {
    return Connection != nullptr ? Connection->Data() : Destination->Data();
}

const TMixerControls& TAudioMixer::TLine::Controls() const {
    return Connection != nullptr ? Connection->Controls() : Destination->Controls();
}

TAudioMixer::TAudioMixer(TComponent* owner, std::unique_ptr<IMixerBackend> backend,
                         std::string name)
    : TComponent(owner, std::move(name)), backend_(std::move(backend)) {
    backend_->SetNotify([this](TMixerNotice notice, std::uintptr_t mixer, std::uint32_t id) {
        Fire(notice == TMixerNotice::LineChange ? OnLineChange : OnControlChange, this, mixer, id);
    });
    mixerCount_ = std::max(backend_->DeviceCount(), 0);
    if (mixerCount_ > 0)
        SetMixerId(0);
}

TAudioMixer::~TAudioMixer() {
    BeginDestruction();
    CloseDevice();
}

void TAudioMixer::CloseDevice() {
    if (mixerId_ >= 0)
        backend_->Close();
    mixerId_ = -1;
    caps_ = {};
    manufacturer_.clear();
    destinations_ = {};
}

void TAudioMixer::SetMixerId(int id) {
    if (id < 0 || id >= mixerCount_)
        return;
    CloseDevice();
    if (!backend_->Open(id, true) && !backend_->Open(id, true) && !backend_->Open(id, false))
        return;
    mixerId_ = id;
    caps_ = backend_->Caps();
    manufacturer_ = caps_.ManufacturerId == kMicrosoft
                        ? "Microsoft"
                        : std::to_string(caps_.ManufacturerId) + " = Unknown";
    destinations_ = TMixerDestinations(*backend_, caps_.Destinations);
}

std::optional<TAudioMixer::TLine> TAudioMixer::FindLine(int dest, int conn) const {
    TLine line{destinations_.GetDestination(dest)};
    if (line.Destination == nullptr)
        return std::nullopt;
    if (conn == -1)
        return line;
    line.Connection = line.Destination->Connections().GetConnection(conn);
    if (line.Connection == nullptr)
        return std::nullopt;
    return line;
}

bool TAudioMixer::GetVolume(int dest, int conn, TMixerVolume& volume) {
    if (mixerId_ < 0 || dest < 0 || conn < -1)
        return false;
    volume = {};
    const std::optional<TLine> line = FindLine(dest, conn);
    if (!line)
        return false;
    for (const TMixerControl& control : line->Controls().Items()) {
        if (volume.Left != -1 && volume.Mute != -1)
            break;
        const bool isVolume = control.ControlType == kMixerVolumeControl;
        const bool isMute = control.ControlType == kMixerMuteControl;
        if ((!isVolume && !isMute) || (control.Flags & kMixerMultiple) != 0)
            continue;
        const std::uint32_t channels = ChannelsOf(control, line->Data());
        const auto values = backend_->Values(control, channels, 0);
        if (!values || values->size() < channels)
            continue;
        const bool disabled = (control.Flags & kMixerDisabled) != 0;
        if (isVolume && volume.Left == -1) {
            volume.VolDisabled = disabled;
            volume.Left = ToVolume(control, (*values)[0]);
            volume.Right = channels < 2 ? volume.Left : ToVolume(control, (*values)[1]);
            volume.Stereo = channels >= 2;
        }
        if (isMute && volume.Mute == -1) {
            volume.MuteDisabled = disabled;
            volume.Mute = (*values)[0] != 0 ? 1 : 0;
        }
    }
    if (volume.Mute == -1 && line->Connection != nullptr)
        ReadSelection(*line, volume);
    return true;
}

void TAudioMixer::ReadSelection(const TLine& line, TMixerVolume& volume) {
    const TMixerLine& destination = line.Destination->Data();
    for (const TMixerControl& control : line.Destination->Controls().Items()) {
        const std::uint32_t items = ItemsOf(control);
        if (!IsList(control) || items == 0)
            continue;
        const std::uint32_t channels = ChannelsOf(control, destination);
        const auto values = backend_->Values(control, channels, items);
        const auto texts = backend_->ListTexts(control, channels, items);
        if (!values || !texts)
            continue;
        const auto item = FindItem(*texts, channels, values->size(), line.Data().LineId);
        if (!item)
            continue;
        volume.Mute = (*values)[*item] != 0 ? 1 : 0;
        volume.MuteDisabled = (control.Flags & kMixerDisabled) != 0;
        volume.MuteIsSelect = true;
        return;
    }
}

bool TAudioMixer::SetVolume(int dest, int conn, int left, int right, int mute) {
    if (mixerId_ < 0 || dest < 0 || conn < -1)
        return false;
    const std::optional<TLine> line = FindLine(dest, conn);
    if (!line)
        return false;
    bool volumeWanted = left != -1;
    bool muteWanted = mute != -1;
    for (const TMixerControl& control : line->Controls().Items()) {
        if (!volumeWanted && !muteWanted)
            break;
        if ((control.Flags & kMixerMultiple) != 0)
            continue;
        const std::uint32_t channels = ChannelsOf(control, line->Data());
        if (control.ControlType == kMixerVolumeControl && volumeWanted) {
            std::vector<std::uint32_t> levels(channels, ToLevel(control, left));
            if (channels > 1)
                levels[1] = ToLevel(control, right == -1 ? left : right);
            backend_->SetValues(control, channels, 0, levels);
            volumeWanted = false;
        } else if (control.ControlType == kMixerMuteControl && muteWanted) {
            backend_->SetValues(
                control, channels, 0,
                std::vector<std::uint32_t>(channels, static_cast<std::uint32_t>(mute)));
            muteWanted = false;
        }
    }
    if (muteWanted && line->Connection != nullptr)
        WriteSelection(*line, mute);
    return true;
}

void TAudioMixer::WriteSelection(const TLine& line, int mute) {
    const std::vector<TMixerControl>& controls = line.Destination->Controls().Items();
    const auto list = std::find_if(controls.begin(), controls.end(), [](const TMixerControl& c) {
        return c.ControlType == kMixerMuxControl || c.ControlType == kMixerMixerControl;
    });
    if (list == controls.end())
        return;
    const bool single = list->ControlType == kMixerMuxControl;
    // Unselecting the one source of a single-select list would leave it with none, which the
    // list cannot mean; the selection stays as it is.
    if (single && mute == 0)
        return;
    const std::uint32_t channels = ChannelsOf(*list, line.Destination->Data());
    const std::uint32_t items = ItemsOf(*list);
    auto values = backend_->Values(*list, channels, items);
    const auto texts = backend_->ListTexts(*list, channels, items);
    if (!values || !texts)
        return;
    const auto item = FindItem(*texts, channels, values->size(), line.Data().LineId);
    if (!item)
        return;
    if (single)
        std::fill(values->begin(), values->end(), 0u);
    (*values)[*item] = static_cast<std::uint32_t>(mute);
    backend_->SetValues(*list, channels, items, *values);
}

} // namespace tav
