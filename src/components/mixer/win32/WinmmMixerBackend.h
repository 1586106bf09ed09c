#pragma once
// The audio mixer's backend over winmm. It owns the hidden window that the open device reports
// its line and control changes to, and hands them on as they arrive on the thread that made it.

#include "components/mixer/AudioMixer.h"

#include <windows.h>

#include <mmsystem.h>

namespace tav {

class TWinmmMixerBackend : public IMixerBackend {
public:
    TWinmmMixerBackend();
    ~TWinmmMixerBackend() override;
    TWinmmMixerBackend(const TWinmmMixerBackend&) = delete;
    TWinmmMixerBackend& operator=(const TWinmmMixerBackend&) = delete;

    int DeviceCount() override;
    bool Open(int id, bool notify) override;
    void Close() override;
    void SetNotify(TMixerNotify notify) override { notify_ = std::move(notify); }
    TMixerCaps Caps() override;
    std::optional<TMixerLine> DestinationLine(std::uint32_t destination) override;
    std::optional<TMixerLine> SourceLine(std::uint32_t destination, std::uint32_t source) override;
    std::optional<std::vector<TMixerControl>> LineControls(std::uint32_t lineId,
                                                           std::uint32_t count) override;
    std::optional<std::vector<std::uint32_t>>
    Values(const TMixerControl& control, std::uint32_t channels, std::uint32_t items) override;
    void SetValues(const TMixerControl& control, std::uint32_t channels, std::uint32_t items,
                   const std::vector<std::uint32_t>& values) override;
    std::optional<std::vector<TMixerListText>>
    ListTexts(const TMixerControl& control, std::uint32_t channels, std::uint32_t items) override;

    // The window the device's notifications arrive at.
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }
    std::optional<TMixerLine> LineInfo(MIXERLINEA& line, DWORD how);

    HWND window_ = nullptr;
    HMIXER mixer_ = nullptr;
    UINT openId_ = 0;
    TMixerNotify notify_;
};

// The program's mixer component, over winmm.
TAudioMixer* NewWinmmAudioMixer(TComponent* owner, std::string name = {});

} // namespace tav
