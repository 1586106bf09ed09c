#include "ui/main/win32/MainRoad.h"

#include "framework/win32/Forms.h"

#include <stdexcept>

namespace tav {

void TApplicationErrors::ShowError(const std::string& message) {
    const std::runtime_error error(message);
    Application().HandleException(&error);
}

TMainRoad::TMainRoad(TDocument& doc, TSettings& settings, const int& serialMode,
                     const bool& logEnabled, TMainRoadTimers timers, ITreeSelection& tree,
                     ITrayIndicator& tray, IOriginHost& origins, TMainRoadActions actions)
    : endOfCode_(timers.EndOfCode), timeOut_(timers.TimeOut),
      settings_(settings, serialMode, logEnabled),
      recognizer_(doc, TRecognitionPorts{&settings_, &timeOut_, &tree, &foreground_, &sound_,
                                         &actions.Reports, &log_, &errors_, &actions.Runner,
                                         &actions.Display, &tray, &pointer_}),
      receiver_(doc, recognizer_, endOfCode_, timeOut_,
                [&timer = timers.EndOfCode](unsigned ms) { timer.SetInterval(ms); }),
      origins_(doc, settings, origins) {}

} // namespace tav
