#pragma once
// Carries out one action string: keystrokes, mouse events, a started program, a posted window
// message, a mixer change, an on-screen text, a shutdown or power state, a window-state change
// or bytes on a serial port.

#include "engine/actions/ActionLabels.h"
#include "engine/actions/ActionPorts.h"
#include "engine/actions/ActionString.h"
#include "engine/actions/PressedKeys.h"
#include "engine/actions/SystemKeys.h"
#include "engine/settings/Settings.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

namespace tav {

// An action whose fields cannot be carried out; the rest of that action does not run.
class EActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TActionPorts {
    IInputInjector* Input = nullptr;
    IKeySender* Keys = nullptr;
    IWindowSystem* Windows = nullptr;
    IProgramStarter* Programs = nullptr;
    IPowerControl* Power = nullptr;
    IAudioMixer* Mixer = nullptr;
    ISerialPort* ReceiverPort = nullptr;
    ISerialPort* DataPort = nullptr;
    IActionDisplay* Display = nullptr;
    IOriginSwitch* Origins = nullptr;
    IMessageLists* Messages = nullptr;
    // The action editor's texts as translated now: an on-screen text equal to its "Current
    // time" or "Current date" shows the time or the date.
    const ActionLabels* Labels = nullptr;
    ISystemServices* System = nullptr;
};

class IActionExecutor {
public:
    virtual ~IActionExecutor() = default;
    // Runs one action string and gives the wait in milliseconds before the item's next action,
    // or none when the wait in force stays (an action that found no window, a send-data action).
    // Throws EActionError (or whatever a port throws) when the action cannot be carried out.
    virtual std::optional<unsigned> ExecuteAction(const std::string& s) = 0;
};

class TActionExecutor : public IActionExecutor {
public:
    // Every port must be set and outlive the executor.
    TActionExecutor(const TSettings& settings, const TActionPorts& ports);
    // Releases the latched keys: none stays held once the program has ended.
    ~TActionExecutor() override;
    TActionExecutor(const TActionExecutor&) = delete;
    TActionExecutor& operator=(const TActionExecutor&) = delete;

    std::optional<unsigned> ExecuteAction(const std::string& s) override;

    // Each of Alt, Right Alt, Ctrl and Shift that a system-key action left held goes up.
    void ReleaseLatchedKeys();
    // Run! forgets the latched Alt, so that the next latched Alt action presses it; a held Alt
    // goes up first instead of staying down unseen.
    void ClearAltLatch();

private:
    std::optional<unsigned> TapKey(const SendKeysFields& f, const NumberField& delay);
    void AdvancedKeys(const SendKeysFields& f, const std::optional<TSystemKey>& key,
                      TPressedKeys& pressed);
    void SimpleKeys(const SendKeysFields& f, std::int32_t systemIndex, TPressedKeys& pressed);
    void ToggleLatch(std::int32_t systemIndex);
    std::optional<unsigned> Mouse(const MouseControlFields& f, const NumberField& delay);
    std::optional<unsigned> ExecuteProgram(const ExecuteProgramFields& f, const NumberField& delay);
    std::optional<unsigned> PostWindowMessage(const PostMessageFields& f, const NumberField& delay);
    std::optional<unsigned> Volume(const MixerFields& f, const NumberField& delay);
    std::optional<unsigned> OnScreenText(const OsdFields& f, const NumberField& delay);
    std::optional<unsigned> Shutdown(const ShutdownFields& f, const NumberField& delay);
    std::optional<unsigned> WindowState(const WindowStateFields& f, const NumberField& delay);
    std::optional<unsigned> SendData(const SendDataFields& f);

    // The window whose exact title is that of the first window `names` finds; 0 when there is
    // none or it has no title.
    TWindowHandle FindTitledWindow(const std::string& names);
    // The port the data go to, opened when needed; none when no port is open.
    ISerialPort* ChooseDataPort();
    void SendFile(ISerialPort& port, const std::string& path);

    const TSettings& settings_;
    TActionPorts ports_;
    // Alt, Right Alt, Ctrl, Shift: down sent and up not yet.
    std::array<bool, kLatchedKeyCount> latched_{};
    // The line the output port was opened with.
    std::optional<TSerialLine> dataLine_;
};

// The wait after an action whose "Delay:" is `delay` milliseconds.
unsigned IntervalAfter(const NumberField& delay);

} // namespace tav
