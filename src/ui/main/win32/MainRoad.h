#pragma once
// The road of a code through the running program: the origins deliver to the code receiver,
// which hands complete codes to the recognizer; the origin control opens and closes the
// origins. The main window owns one and gives it its timers and its tray.

#include "engine/origins/OriginControl.h"
#include "engine/recognition/CodeReceiver.h"
#include "engine/recognition/ModelSettings.h"
#include "engine/recognition/win32/Win32Ports.h"
#include "ui/main/win32/TimerPort.h"

namespace tav {

// Errors of the firing (a log file that cannot be written) reach the application's handler.
class TApplicationErrors : public IErrorReporter {
public:
    void ShowError(const std::string& message) override;
};

struct TMainRoadTimers {
    TTimer& EndOfCode; // IRTimer
    TTimer& TimeOut;   // TypematicTimer, the recognition time-out
};

// What a fired command reaches: the runner of its actions, the display of its names and the
// reports to DDE and TCP peers.
struct TMainRoadActions {
    IActionRunner& Runner;
    IOnScreenDisplay& Display;
    IReportSinks& Reports;
};

class TMainRoad {
public:
    // `serialMode` and `logEnabled` are the main window's copies, read at each use.
    TMainRoad(TDocument& doc, TSettings& settings, const int& serialMode, const bool& logEnabled,
              TMainRoadTimers timers, ITreeSelection& tree, ITrayIndicator& tray,
              IOriginHost& origins, TMainRoadActions actions);

    TRecognizer& Recognizer() { return recognizer_; }
    TCodeReceiver& Receiver() { return receiver_; }
    TOriginControl& Origins() { return origins_; }

private:
    TTimerPort endOfCode_;
    TTimerPort timeOut_;
    TModelRecognitionSettings settings_;
    TWin32ForegroundWindow foreground_;
    TWin32SoundPlayer sound_;
    TWin32LogWriter log_;
    TWin32PointerMover pointer_;
    TApplicationErrors errors_;
    TRecognizer recognizer_;
    TCodeReceiver receiver_;
    TOriginControl origins_;
};

} // namespace tav
