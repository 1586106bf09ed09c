#pragma once
// The road of a received code: learning, or matching against every command and firing the first
// enabled match with everything that follows (layout, triggers, sound, reports, log, actions,
// on-screen display), and the recognition time-out that follows each firing.

#include "engine/document/Document.h"
#include "engine/recognition/RecognitionPorts.h"

#include <cstdint>

namespace tav {

inline constexpr std::uint32_t kLearnMatchColor = 0x00FF00; // lime
inline constexpr std::uint32_t kLearnMissColor = 0x0000FF;  // red

class TRecognizer {
public:
    // Every port must be set and outlive the recognizer.
    TRecognizer(TDocument& doc, const TRecognitionPorts& ports);

    // Consumes the document's received code (it is empty afterwards).
    void ProcessReceivedCode();
    void FireCommand(TCommand& command);
    // Typematic repeat of the origins that support it: fires the last command again and restarts
    // the time-out. False (nothing done) when no typematic command is active.
    bool RepeatLastFired();
    // Handler of the recognition time-out.
    void TypematicTimerTimer();

    // Codes go to the learn dialog while one is set.
    void SetLearnView(ILearnView* view) { learnView_ = view; }
    ILearnView* LearnView() const { return learnView_; }

private:
    void Learn();
    void Match();
    // The firing with the settings in force for it.
    void Fire(TCommand& command, const TRecognitionSettings& settings);
    const TLayout* ForegroundLayout() const;
    void WriteLog(const TRecognitionSettings& settings, const std::string& remote,
                  const std::string& command);

    TDocument& doc_;
    TRecognitionPorts ports_;
    ILearnView* learnView_ = nullptr;
    bool logErrorShown_ = false;
};

} // namespace tav
