#include "components/mixer/win32/WinmmMixerBackend.h"

#include "framework/win32/Forms.h"

#include <cstring>
#include <stdexcept>

namespace tav {

namespace {

constexpr char kWindowClass[] = "TavriloMixerNotify";

// A name field of a record, which a driver might fill to the last byte.
template <std::size_t N> std::string Name(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

TMixerLine FromRecord(const MIXERLINEA& line) {
    return {line.dwDestination,   line.dwSource,          line.dwLineID,
            line.dwComponentType, line.cChannels,         line.cConnections,
            line.cControls,       Name(line.szShortName), Name(line.szName)};
}

TMixerControl FromRecord(const MIXERCONTROLA& control) {
    return {control.dwControlID,       control.dwControlType,    control.fdwControl,
            control.cMultipleItems,    control.Bounds.dwMinimum, control.Bounds.dwMaximum,
            Name(control.szShortName), Name(control.szName)};
}

// The details record of `channels` times `items` entries of `size` bytes at `data`.
MIXERCONTROLDETAILS Details(const TMixerControl& control, std::uint32_t channels,
                            std::uint32_t items, DWORD size, void* data) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof(details);
    details.dwControlID = control.ControlId;
    details.cChannels = channels;
    details.cMultipleItems = items;
    details.cbDetails = size;
    details.paDetails = data;
    return details;
}

std::size_t EntryCount(std::uint32_t channels, std::uint32_t items) {
    return std::size_t{channels} * (items != 0 ? items : 1);
}

} // namespace

TWinmmMixerBackend::TWinmmMixerBackend() {
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    window_ = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr)
        throw std::runtime_error("Cannot create the mixer's notification window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TWinmmMixerBackend::~TWinmmMixerBackend() {
    Close();
    DestroyWindow(window_);
}

LRESULT CALLBACK TWinmmMixerBackend::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TWinmmMixerBackend*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (self == nullptr || !self->notify_ ||
        (msg != MM_MIXM_LINE_CHANGE && msg != MM_MIXM_CONTROL_CHANGE))
        return DefWindowProcA(wnd, msg, wParam, lParam);
    const TMixerNotice notice =
        msg == MM_MIXM_LINE_CHANGE ? TMixerNotice::LineChange : TMixerNotice::ControlChange;
    GuardCallback([&] {
        self->notify_(notice, static_cast<std::uintptr_t>(wParam),
                      static_cast<std::uint32_t>(lParam));
    });
    return 0;
}

int TWinmmMixerBackend::DeviceCount() {
    return static_cast<int>(mixerGetNumDevs());
}

bool TWinmmMixerBackend::Open(int id, bool notify) {
    Close();
    const DWORD_PTR callback = notify ? reinterpret_cast<DWORD_PTR>(window_) : 0;
    const DWORD how = notify ? CALLBACK_WINDOW : 0;
    if (mixerOpen(&mixer_, static_cast<UINT>(id), callback, 0, how) != MMSYSERR_NOERROR) {
        mixer_ = nullptr;
        return false;
    }
    openId_ = static_cast<UINT>(id);
    return true;
}

void TWinmmMixerBackend::Close() {
    if (mixer_ != nullptr)
        mixerClose(mixer_);
    mixer_ = nullptr;
}

TMixerCaps TWinmmMixerBackend::Caps() {
    MIXERCAPSA caps{};
    if (mixer_ == nullptr || mixerGetDevCapsA(openId_, &caps, sizeof(caps)) != MMSYSERR_NOERROR)
        return {};
    return {caps.wMid, caps.wPid, caps.vDriverVersion, Name(caps.szPname), caps.cDestinations};
}

std::optional<TMixerLine> TWinmmMixerBackend::LineInfo(MIXERLINEA& line, DWORD how) {
    line.cbStruct = sizeof(line);
    if (mixer_ == nullptr ||
        mixerGetLineInfoA(Object(), &line, how | MIXER_OBJECTF_HMIXER) != MMSYSERR_NOERROR)
        return std::nullopt;
    return FromRecord(line);
}

std::optional<TMixerLine> TWinmmMixerBackend::DestinationLine(std::uint32_t destination) {
    MIXERLINEA line{};
    line.dwDestination = destination;
    return LineInfo(line, MIXER_GETLINEINFOF_DESTINATION);
}

std::optional<TMixerLine> TWinmmMixerBackend::SourceLine(std::uint32_t destination,
                                                         std::uint32_t source) {
    MIXERLINEA line{};
    line.dwDestination = destination;
    line.dwSource = source;
    return LineInfo(line, MIXER_GETLINEINFOF_SOURCE);
}

std::optional<std::vector<TMixerControl>> TWinmmMixerBackend::LineControls(std::uint32_t lineId,
                                                                           std::uint32_t count) {
    if (mixer_ == nullptr)
        return std::nullopt;
    std::vector<MIXERCONTROLA> records(count);
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof(request);
    request.dwLineID = lineId;
    request.cControls = count;
    request.cbmxctrl = sizeof(MIXERCONTROLA);
    request.pamxctrl = records.data();
    if (mixerGetLineControlsA(Object(), &request,
                              MIXER_GETLINECONTROLSF_ALL | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    std::vector<TMixerControl> controls;
    for (const MIXERCONTROLA& record : records)
        controls.push_back(FromRecord(record));
    return controls;
}

std::optional<std::vector<std::uint32_t>> TWinmmMixerBackend::Values(const TMixerControl& control,
                                                                     std::uint32_t channels,
                                                                     std::uint32_t items) {
    if (mixer_ == nullptr)
        return std::nullopt;
    // Unsigned and Boolean details are both one 32-bit value per entry.
    std::vector<std::uint32_t> values(EntryCount(channels, items));
    MIXERCONTROLDETAILS details =
        Details(control, channels, items, sizeof(std::uint32_t), values.data());
    if (mixerGetControlDetailsA(Object(), &details,
                                MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    return values;
}

void TWinmmMixerBackend::SetValues(const TMixerControl& control, std::uint32_t channels,
                                   std::uint32_t items, const std::vector<std::uint32_t>& values) {
    if (mixer_ == nullptr || values.size() != EntryCount(channels, items))
        return;
    std::vector<std::uint32_t> copy = values;
    MIXERCONTROLDETAILS details =
        Details(control, channels, items, sizeof(std::uint32_t), copy.data());
    mixerSetControlDetails(Object(), &details,
                           MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER);
}

std::optional<std::vector<TMixerListText>>
TWinmmMixerBackend::ListTexts(const TMixerControl& control, std::uint32_t channels,
                              std::uint32_t items) {
    if (mixer_ == nullptr)
        return std::nullopt;
    std::vector<MIXERCONTROLDETAILS_LISTTEXTA> records(EntryCount(channels, items));
    MIXERCONTROLDETAILS details =
        Details(control, channels, items, sizeof(MIXERCONTROLDETAILS_LISTTEXTA), records.data());
    if (mixerGetControlDetailsA(Object(), &details,
                                MIXER_GETCONTROLDETAILSF_LISTTEXT | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return std::nullopt;
    std::vector<TMixerListText> texts;
    for (const MIXERCONTROLDETAILS_LISTTEXTA& record : records)
        texts.push_back({record.dwParam1, Name(record.szName)});
    return texts;
}

TAudioMixer* NewWinmmAudioMixer(TComponent* owner, std::string name) {
    return new TAudioMixer(owner, std::make_unique<TWinmmMixerBackend>(), std::move(name));
}

} // namespace tav
