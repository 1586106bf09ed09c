#pragma once
// What recognition and firing need from the rest of the program. Each is small so that the
// window, the settings dialog, the sockets and the tests can provide it.

#include "engine/document/CommandsTree.h"
#include "engine/recognition/CompareCodes.h"
#include "engine/recognition/ReportText.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tav {

// Values read at each use; the settings dialog's controls hold them.
struct TRecognitionSettings {
    TCompareSettings Compare;
    bool UseSerialPort = false; // the receiver port is in use
    int SerialMode = 0;         // the receiver's device mode; 2 = mouse protocol
    bool PlaySounds = false;
    TReportParts Dde;
    TReportParts Tcp;
    TReportParts Osd; // its Data part is never shown
    bool LogEnabled = false;
    std::string LogFile;
};

class IRecognitionSettings {
public:
    virtual ~IRecognitionSettings() = default;
    virtual TRecognitionSettings Read() const = 0;
    // The wave file of the first sound whose name equals `sound` without regard to case.
    virtual std::optional<std::string> SoundFile(const std::string& sound) const = 0;
};

// The recognition time-out; running = recognition blocked.
class ITimer {
public:
    virtual ~ITimer() = default;
    virtual void Start() = 0; // does not restart a running timer
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

class ITreeSelection {
public:
    virtual ~ITreeSelection() = default;
    // Selects the node as a user would; nullptr clears the selection.
    virtual void Select(TCommandNode* node) = 0;
};

struct TWindowNames {
    std::string Title;
    std::string ClassName;
};

class IForegroundWindow {
public:
    virtual ~IForegroundWindow() = default;
    virtual TWindowNames Names() const = 0;
};

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlayWave(const std::string& path) = 0;
};

// The DDE item and the TCP info connections.
class IReportSinks {
public:
    virtual ~IReportSinks() = default;
    virtual bool DdeOpen() const = 0;
    virtual void SetDdeText(const std::string& text) = 0;
    // To every info-server connection, the active info client and the control connection whose
    // line is being dispatched.
    virtual void SendInfoLine(const std::string& line) = 0;
    // The dispatch of a control-server line has ended.
    virtual void ClearReplySocket() = 0;
};

class ILogWriter {
public:
    virtual ~ILogWriter() = default;
    // Appends `line` to the file; the error text when that failed.
    virtual std::optional<std::string> AppendLine(const std::string& fileName,
                                                  const std::string& line) = 0;
};

class IErrorReporter {
public:
    virtual ~IErrorReporter() = default;
    virtual void ShowError(const std::string& message) = 0;
};

// Runs the next action of the item a firing completed, at once (the action timer's handler).
// The item the panel shows is another matter: running one never changes what the user edits.
class IActionRunner {
public:
    virtual ~IActionRunner() = default;
    virtual void RunAction(TAction& item) = 0;
};

class IOnScreenDisplay {
public:
    virtual ~IOnScreenDisplay() = default;
    // Text the last action left for the display (a volume level, a time); may be empty.
    virtual std::string Suffix() const = 0;
    virtual void Show(const std::string& text) = 0;
};

class ITrayIndicator {
public:
    virtual ~ITrayIndicator() = default;
    // Shows the "receiving" icon for a moment.
    virtual void ShowReceiving() = 0;
    // True while the program runs hidden behind its tray icon.
    virtual bool IconVisible() const = 0;
};

class IPointerMover {
public:
    virtual ~IPointerMover() = default;
    virtual void MoveBy(int dx, int dy) = 0;
};

// The learn dialog while it is open.
class ILearnView {
public:
    virtual ~ILearnView() = default;
    virtual void SetProgressMax(int max) = 0;
    virtual void SetProgressPosition(int position) = 0;
    // Colour as 0x00BBGGRR.
    virtual void SetCircleColor(int sample, std::uint32_t color) = 0;
    // Enables the accept button and gives it the focus.
    virtual void EnableAccept() = 0;
};

struct TRecognitionPorts {
    IRecognitionSettings* Settings = nullptr;
    ITimer* TypematicTimer = nullptr;
    ITreeSelection* Tree = nullptr;
    IForegroundWindow* Foreground = nullptr;
    ISoundPlayer* Sound = nullptr;
    IReportSinks* Reports = nullptr;
    ILogWriter* Log = nullptr;
    IErrorReporter* Errors = nullptr;
    IActionRunner* Actions = nullptr;
    IOnScreenDisplay* Osd = nullptr;
    ITrayIndicator* Tray = nullptr;
    IPointerMover* Pointer = nullptr;
};

} // namespace tav
