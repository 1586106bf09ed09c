#include "engine/recognition/CodeReceiver.h"

#include "framework/Text.h"

namespace tav {

std::string FormatCodeLine(std::span<const std::int32_t> values, TDataFormat format) {
    std::string line;
    for (std::int32_t v : values) {
        switch (format) {
        case TDataFormat::Decimal:
            line += IntToStr(v) + " ";
            break;
        case TDataFormat::Hexadecimal:
            line += IntToHex(v, 2) + " ";
            break;
        case TDataFormat::Ascii:
            line += static_cast<char>(v & 0xFF);
            break;
        }
    }
    return line;
}

TCodeReceiver::TCodeReceiver(TDocument& doc, TRecognizer& recognizer, ITimer& endOfCode,
                             ITimer& typematic, std::function<void(unsigned)> setEndOfCodeInterval)
    : doc_(doc), recognizer_(recognizer), endOfCode_(endOfCode), typematic_(typematic),
      setEndOfCodeInterval_(std::move(setEndOfCodeInterval)) {
    setEndOfCodeInterval_(kEndOfCodeMs);
}

void TCodeReceiver::ReceiveTimed(const std::function<void(TReceivedCode&)>& append,
                                 TDuringTimeOut during) {
    append(doc_.ReceivedCode);
    if (endOfCode_.Running() && doc_.TypematicActive)
        recognizer_.RepeatLastFired();
    if (during == TDuringTimeOut::Discard && !doc_.TypematicActive && typematic_.Running()) {
        doc_.ReceivedCode.Empty();
        return;
    }
    endOfCode_.Start();
}

void TCodeReceiver::ReceiveWhole(
    const std::function<void(TReceivedCode&)>& fill,
    const std::function<std::string(const TReceivedCode&, TDataFormat)>& testLine) {
    fill(doc_.ReceivedCode);
    if (!Testing()) {
        recognizer_.ProcessReceivedCode();
        return;
    }
    if (const std::string line = testLine(doc_.ReceivedCode, test_->Format()); !line.empty())
        test_->AddLine(line);
    doc_.ReceivedCode.Empty();
}

void TCodeReceiver::ReceiveRepeating(
    const std::function<void(TReceivedCode&)>& fill,
    const std::function<std::string(const TReceivedCode&, TDataFormat)>& testLine) {
    if (Testing() || !doc_.TypematicActive || doc_.LastFiredCommand == nullptr) {
        ReceiveWhole(fill, testLine);
        return;
    }
    // The repeat needs no code; the buffer is emptied before the firing, which may pump
    // messages in which the next code begins.
    doc_.ReceivedCode.Empty();
    recognizer_.RepeatLastFired();
}

void TCodeReceiver::ReceiveMarked(const std::function<bool(TReceivedCode&)>& append) {
    if (append(doc_.ReceivedCode))
        Complete();
}

void TCodeReceiver::EndOfCode() {
    endOfCode_.Stop();
    Complete();
}

void TCodeReceiver::Complete() {
    if (!Testing()) {
        recognizer_.ProcessReceivedCode();
        return;
    }
    if (!doc_.ReceivedCode.IsEmpty())
        test_->AddLine(FormatCodeLine(doc_.ReceivedCode.Values(), test_->Format()));
    doc_.ReceivedCode.Empty();
}

void TCodeReceiver::SetLearning(bool learning) {
    setEndOfCodeInterval_(learning ? kEndOfCodeLearningMs : kEndOfCodeMs);
}

} // namespace tav
