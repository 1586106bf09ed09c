#pragma once
// The audio mixer component: opens one of the system's mixer devices, keeps the tree of its
// lines and controls, and reads or writes the volume and mute state of a line. Volumes are 0 to
// 65535 whatever range the device's control has; -1 means "not present" when read and "leave
// it" when written.

#include "components/mixer/MixerTree.h"
#include "framework/Component.h"

#include <memory>
#include <string>

namespace tav {

// A change of the line or control `id` on the device whose handle is `mixer`.
using TMixerChange = std::function<void(TObject* sender, std::uintptr_t mixer, std::uint32_t id)>;

// What GetVolume reports of a line.
struct TMixerVolume {
    int Left = -1;
    int Right = -1;
    int Mute = -1; // 1 muted, 0 not; for a source without a mute of its own: 1 when selected
    bool Stereo = false;
    bool VolDisabled = true;
    bool MuteDisabled = true;
    bool MuteIsSelect = false; // Mute is the source's selection in its destination's list
};

class TAudioMixer : public TComponent {
public:
    // Selects device 0 when the system has a mixer device.
    TAudioMixer(TComponent* owner, std::unique_ptr<IMixerBackend> backend, std::string name = {});
    ~TAudioMixer() override;

    // The selected device, -1 when none is open.
    int MixerId() const { return mixerId_; }
    // Ignored for an id that names no device. Otherwise the open device is closed and `id`
    // opened, also when it is the open one, and the tree read anew; when it does not open, no
    // device is open.
    void SetMixerId(int id);
    // The number of devices, counted when the component was made.
    int MixerCount() const { return mixerCount_; }
    const std::string& ProductName() const { return caps_.ProductName; }
    const std::string& Manufacturer() const { return manufacturer_; }
    int ProductId() const { return caps_.ProductId; }
    std::uint32_t DriverVersion() const { return caps_.DriverVersion; }
    // The number of destination lines the device has (some may be missing from the tree).
    int NumberOfLine() const { return static_cast<int>(caps_.Destinations); }
    const TMixerDestinations& Destinations() const { return destinations_; }

    // The line is destination `dest` itself for `conn` -1, else its connection `conn`. False
    // when no device is open or there is no such line; a negative `dest` or a `conn` below -1
    // also leaves `volume` untouched.
    bool GetVolume(int dest, int conn, TMixerVolume& volume);
    // Sets the line's volume (`right` -1: as `left`) unless `left` is -1, and its mute state
    // unless `mute` is -1. A source without a mute control of its own is muted or unmuted
    // through its destination's list control. False, with nothing written, when there is no
    // such line.
    bool SetVolume(int dest, int conn, int left, int right, int mute);

    TMixerChange OnLineChange;
    TMixerChange OnControlChange;

private:
    struct TLine {
        const TMixerDestination* Destination = nullptr;
        const TMixerConnection* Connection = nullptr; // none for the destination itself
        const TMixerLine& Data() const;
        const TMixerControls& Controls() const;
    };
    std::optional<TLine> FindLine(int dest, int conn) const;
    void ReadSelection(const TLine& line, TMixerVolume& volume);
    void WriteSelection(const TLine& line, int mute);
    void CloseDevice();

    std::unique_ptr<IMixerBackend> backend_;
    int mixerCount_ = 0;
    int mixerId_ = -1;
    TMixerCaps caps_;
    std::string manufacturer_;
    TMixerDestinations destinations_;
};

} // namespace tav
