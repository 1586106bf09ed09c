#include "engine/serial/SerialReceiver.h"

#include "engine/recognition/ModelSettings.h"
#include "engine/serial/PortSettings.h"
#include "engine/serial/SerialOpen.h"

#include <algorithm>
#include <limits>

namespace tav {

std::int32_t FractionMicroseconds(std::int64_t ticks, std::int64_t frequency) {
    if (frequency <= 0)
        return 0;
    std::int64_t rest = ticks % frequency;
    // A million times the rest must fit; only counters far faster than any real one need
    // their scale coarsened for that.
    while (frequency > std::numeric_limits<std::int64_t>::max() / 1000000) {
        rest /= 2;
        frequency /= 2;
    }
    return static_cast<std::int32_t>(rest * 1000000 / frequency);
}

TSerialReceiver::TSerialReceiver(TSerialReceiverLinks links)
    : l_(std::move(links)), frequency_(l_.Clock.Frequency()) {}

TSerialReceiver::TRoute TSerialReceiver::ModeRoute() const {
    return l_.Modes.Receiver == kModeDriver ? TRoute::Driver : TRoute::Port;
}

bool TSerialReceiver::OpenSerialReceiver(bool active) {
    if (!active)
        return Close();
    const TRoute route = ModeRoute();
    // Its device type changed while it ran: the old way closes before the new one opens.
    if (open_ && *open_ != route)
        Close();
    if (route == TRoute::Port)
        return OpenPort(ReadSerialLine(l_.Settings, kReceiverPortSettings).ComNumber);
    l_.Host.SetTimeOutInterval(static_cast<unsigned>(RecognitionTimeOut(l_.Settings)));
    const bool opened = l_.DriverReceiver(true);
    if (opened)
        open_ = TRoute::Driver;
    return opened;
}

bool TSerialReceiver::OpenPort(std::int32_t com) {
    TSerialLine line = ReadSerialLine(l_.Settings, kReceiverPortSettings);
    line.ComNumber = com;
    if (!OpenOriginPort(l_.Port, line, l_.Host, l_.ShowMessage))
        return false;
    open_ = TRoute::Port;
    packer_.Drop();
    answer_.clear();
    l_.Host.SetBusy(true);
    l_.Port.SetDTR(false);
    l_.Port.SetRTS(false);
    l_.Host.SetTimeOutInterval(static_cast<unsigned>(RecognitionTimeOut(l_.Settings)));
    state_ = kLinesLow;
    l_.StartUpTimer.Stop();
    l_.SetStartUpInterval(kStartUpStepMs);
    l_.StartUpTimer.Start();
    return true;
}

// A receiver that is not open closes by its present mode, which is all the caller can know.
bool TSerialReceiver::Close() {
    const TRoute route = open_.value_or(ModeRoute());
    open_.reset();
    if (route == TRoute::Driver)
        return l_.DriverReceiver(false);
    // A start-up cut short must not drive the lines of a closed port, nor keep the hourglass.
    if (l_.StartUpTimer.Running()) {
        l_.StartUpTimer.Stop();
        l_.Host.SetBusy(false);
    }
    l_.Port.Close();
    return true;
}

void TSerialReceiver::UIRTimerTimer() {
    l_.StartUpTimer.Stop();
    switch (state_) {
    case kLinesLow:
        if (l_.Settings.Bool(kReceiverPortSettings.Dtr))
            l_.Port.SetDTR(true);
        if (l_.Settings.Bool(kReceiverPortSettings.Rts))
            l_.Port.SetRTS(true);
        state_ = kLinesRaised;
        l_.StartUpTimer.Start();
        break;
    case kLinesRaised:
        initString_ = l_.Settings.Str(kReceiverPortSettings.InitString);
        initSent_ = 0;
        l_.SetStartUpInterval(kInitCharMs);
        state_ = kSending;
        if (initString_.empty())
            l_.StartUpTimer.Start();
        else
            SendInitChar();
        break;
    case kSending:
        if (initSent_ < initString_.size()) {
            SendInitChar();
        } else if (searching_) {
            state_ = kReady;
            l_.StartUpTimer.Start();
        } else {
            l_.Host.SetBusy(false);
            state_ = kReady;
        }
        break;
    case kReady:
        l_.Host.SetBusy(false);
        if (searching_)
            JudgeAnswer();
        break;
    }
}

// One character per tick. A probed receiver answers right after the last one, so a search
// takes data from then on and judges them a tick later.
void TSerialReceiver::SendInitChar() {
    try {
        l_.Port.Write(std::string_view(initString_).substr(initSent_++, 1));
    } catch (const std::exception& e) {
        InitStringFailed(e.what());
        return;
    }
    if (searching_ && initSent_ == initString_.size())
        state_ = kReady;
    l_.StartUpTimer.Start();
}

// The device cannot be given its init string (its adapter was pulled out, say): the start-up
// ends there, once, with what went wrong said. The port stays open and takes what comes; a
// search takes it for a port without a receiver.
void TSerialReceiver::InitStringFailed(const std::string& error) {
    state_ = kReady;
    l_.Host.SetBusy(false);
    l_.Errors.ShowError(error);
    if (searching_)
        ProbeNextPort();
}

void TSerialReceiver::ComPortRxChar(std::string_view bytes) {
    // Until the init string has gone out the device is not ready: what it sends is no code.
    if (state_ != kReady)
        return;
    if (searching_) {
        constexpr std::size_t kAnswerKept = 3; // enough to tell "OK" from a longer answer
        answer_.append(bytes.substr(0, kAnswerKept - std::min(kAnswerKept, answer_.size())));
        return;
    }
    // Bytes that find no code being collected begin a new one.
    if (!l_.Codes.Collecting())
        packer_.Drop();
    const int size = ValueSize(l_.Settings);
    l_.Codes.ReceiveTimed([&](TReceivedCode& code) { packer_.Pack(bytes, size, code); },
                          TDuringTimeOut::Discard);
}

// The time since the previous rising edge, below one second, is the value; the first edge
// ever only starts the clock.
void TSerialReceiver::ComPortRLSDChange(bool carrier) {
    if (!carrier)
        return;
    l_.Host.SetHighPriority(true);
    const std::int64_t now = l_.Clock.Now();
    const bool first = lastEdge_ == 0;
    const std::int32_t value = FractionMicroseconds(now - lastEdge_, frequency_);
    l_.Codes.ReceiveTimed(
        [&](TReceivedCode& code) {
            if (!first)
                code.AppendUpTo1000(value);
        },
        TDuringTimeOut::Collect);
    lastEdge_ = now;
}

void TSerialReceiver::IRTimerTimer() {
    l_.Host.SetHighPriority(false);
    l_.Codes.EndOfCode();
}

} // namespace tav
