#include "engine/recognition/Recognizer.h"

#include "engine/recognition/MousePackets.h"
#include "engine/recognition/TriggerSequences.h"

#include <algorithm>

namespace tav {

namespace {
// A receiver's answer to its init string; never learned.
bool IsReceiverOk(const TReceivedCode& rc) {
    return rc.LastIndex() == 1 && rc.Values()[0] == 'O' && rc.Values()[1] == 'K';
}
} // namespace

TRecognizer::TRecognizer(TDocument& doc, const TRecognitionPorts& ports)
    : doc_(doc), ports_(ports) {}

void TRecognizer::ProcessReceivedCode() {
    if (learnView_)
        Learn();
    else
        Match();
    ports_.Reports->ClearReplySocket();
}

void TRecognizer::Learn() {
    TReceivedCode& rc = doc_.ReceivedCode;
    if (IsReceiverOk(rc)) {
        rc.Empty();
        return;
    }
    const auto values = rc.Values();
    int max = 0;
    std::optional<int> lastPositive;
    for (std::int32_t v : values)
        if (v > 0) {
            max = std::max(max, v);
            lastPositive = v;
        }
    learnView_->SetProgressMax(max);
    if (lastPositive)
        learnView_->SetProgressPosition(*lastPositive);

    TLearnQueue& q = doc_.LearnQueue;
    if (q.LastSample < 3)
        ++q.LastSample;
    TInQueueArray& sample = q.Samples[static_cast<std::size_t>(q.LastSample)];
    sample.Code = rc.Code();
    const TCompareSettings settings = ports_.Settings->Read().Compare;
    sample.Matched = q.LastSample == 0 || CompareCodes(settings, q.Samples[0].Code, sample.Code);
    learnView_->SetCircleColor(q.LastSample, sample.Matched ? kLearnMatchColor : kLearnMissColor);

    const auto matched = std::count_if(q.Samples.begin(), q.Samples.begin() + q.LastSample + 1,
                                       [](const TInQueueArray& s) { return s.Matched; });
    if (matched > 1)
        learnView_->EnableAccept();
    rc.Empty();
}

void TRecognizer::Match() {
    ports_.Tray->ShowReceiving();
    const TRecognitionSettings settings = ports_.Settings->Read();
    // The code is taken out of the buffer first: firing may pump messages, and an origin may
    // start collecting the next code meanwhile.
    const TCode received = doc_.ReceivedCode.Code();
    doc_.ReceivedCode.Empty();

    if (settings.UseSerialPort && settings.SerialMode == 2)
        for (const TPointerMove& m : DecodeMousePackets(received))
            ports_.Pointer->MoveBy(m.Dx, m.Dy);

    if (ports_.TypematicTimer->Running())
        return;
    TCommand* command =
        FirstMatchingCommand(settings.Compare, doc_.RecognitionCodes(), received.Values());
    if (!command) {
        ports_.Tree->Select(nullptr);
        return;
    }
    // The time-out and the repeat state are in force before the firing runs any action.
    doc_.LastFiredCommand = command;
    ports_.TypematicTimer->Start();
    if (command->Typematic)
        doc_.TypematicActive = true;
    Fire(*command, settings);
}

void TRecognizer::FireCommand(TCommand& command) {
    Fire(command, ports_.Settings->Read());
}

// Only an application layout asks which window is in front.
const TLayout* TRecognizer::ForegroundLayout() const {
    if (doc_.Layouts().size() < 2)
        return nullptr;
    const TWindowNames window = ports_.Foreground->Names();
    return ChooseApplicationLayout(doc_, window.Title, window.ClassName);
}

void TRecognizer::Fire(TCommand& command, const TRecognitionSettings& settings) {
    TCommandNode* node = doc_.NodeOf(&command);
    ports_.Tree->Select(node);
    const std::string commandName = node ? node->Text : std::string();
    const std::string remoteName = node && node->Parent() ? node->Parent()->Text : std::string();

    TAction* chosen = AdvanceTriggers(doc_, command, ForegroundLayout());

    if (settings.PlaySounds)
        if (const auto wave = ports_.Settings->SoundFile(command.Sound))
            ports_.Sound->PlayWave(*wave);
    if (ports_.Reports->DdeOpen()) {
        const std::string text =
            BuildReportText(settings.Dde, remoteName, commandName, command.Code(), chosen);
        if (!text.empty())
            ports_.Reports->SetDdeText(text);
    }
    if (settings.Tcp.Any())
        ports_.Reports->SendInfoLine(
            BuildReportText(settings.Tcp, remoteName, commandName, command.Code(), chosen) +
            "\r\n");
    if (settings.LogEnabled)
        WriteLog(settings, remoteName, commandName);

    // Taken before the actions run: they may pump messages in which the records change.
    TReportParts osdParts = settings.Osd;
    osdParts.Data = false;
    std::string osdText =
        BuildReportText(osdParts, remoteName, commandName, command.Code(), chosen);

    if (chosen && !chosen->ActionStrings.empty() && ports_.Tray->IconVisible())
        ports_.Actions->RunAction(*chosen);
    if (osdText.empty())
        return;
    const std::string suffix = ports_.Osd->Suffix();
    if (!suffix.empty())
        osdText += ", " + suffix;
    ports_.Osd->Show(osdText);
}

// A failing log file is reported once, not at every key press, and does not stop the firing.
void TRecognizer::WriteLog(const TRecognitionSettings& settings, const std::string& remote,
                           const std::string& command) {
    const auto error = ports_.Log->AppendLine(settings.LogFile, remote + "," + command + "\r\n");
    if (!error) {
        logErrorShown_ = false;
        return;
    }
    if (!logErrorShown_) {
        logErrorShown_ = true;
        ports_.Errors->ShowError(*error);
    }
}

bool TRecognizer::RepeatLastFired() {
    if (!doc_.TypematicActive || !doc_.LastFiredCommand)
        return false;
    ports_.TypematicTimer->Stop();
    ports_.TypematicTimer->Start();
    FireCommand(*doc_.LastFiredCommand);
    return true;
}

void TRecognizer::TypematicTimerTimer() {
    ports_.TypematicTimer->Stop();
    doc_.TypematicActive = false;
}

} // namespace tav
