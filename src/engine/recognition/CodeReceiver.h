#pragma once
// The one road by which the input origins deliver codes, on the main thread. Origins without an
// end marker (serial bytes and pulses, the named pipe's raw messages) collect their values while
// the end-of-code timer runs: the first data start it, later data do not restart it, so a code
// is everything that arrives within its interval. Origins whose every delivery is a whole code
// hand it over at once. While the origin-test dialog shows, codes go to its text instead.

#include "engine/document/Document.h"
#include "engine/recognition/Recognizer.h"

#include <functional>
#include <string>

namespace tav {

enum class TDataFormat { Decimal, Hexadecimal, Ascii };

// The origin-test dialog, while it exists.
class IOriginTestView {
public:
    virtual ~IOriginTestView() = default;
    virtual bool Visible() const = 0;
    virtual TDataFormat Format() const = 0;
    virtual void AddLine(const std::string& line) = 0;
};

// One line of the origin-test text: decimal or hexadecimal values each followed by a blank,
// or the characters of the values' low bytes.
std::string FormatCodeLine(std::span<const std::int32_t> values, TDataFormat format);

// What the timed origins do with data that arrive while a recognition time-out runs that
// belongs to no typematic command.
enum class TDuringTimeOut {
    Discard, // emptied as they arrive (serial bytes)
    Collect, // collected, then emptied unmatched if the time-out still runs at the end
};

inline constexpr unsigned kEndOfCodeMs = 125;
inline constexpr unsigned kEndOfCodeLearningMs = 300;

class TCodeReceiver {
public:
    // `endOfCode` is the end-of-code timer, whose interval this class sets; `typematic` the
    // recognizer's time-out. Every reference must outlive the receiver.
    TCodeReceiver(TDocument& doc, TRecognizer& recognizer, ITimer& endOfCode, ITimer& typematic,
                  std::function<void(unsigned)> setEndOfCodeInterval);

    // A timed origin's delivery: `append` adds it to the buffer by the origin's own rule. While
    // a typematic command is active and a code is being timed, each delivery repeats the
    // command and restarts the time-out.
    void ReceiveTimed(const std::function<void(TReceivedCode&)>& append, TDuringTimeOut during);
    // A delivery that is a whole code: `fill` puts it into the buffer; it is dispatched (or
    // written to the test view as `testLine` says, an empty text writing nothing) at once.
    void
    ReceiveWhole(const std::function<void(TReceivedCode&)>& fill,
                 const std::function<std::string(const TReceivedCode&, TDataFormat)>& testLine);
    // A whole code of an origin that repeats a held key by sending its code again: while a
    // typematic command is active the delivery repeats that command (and restarts the
    // time-out) instead of being matched.
    void
    ReceiveRepeating(const std::function<void(TReceivedCode&)>& fill,
                     const std::function<std::string(const TReceivedCode&, TDataFormat)>& testLine);
    // A delivery of an origin whose codes end with a marker: `append` adds it to the buffer
    // and tells whether the code is now complete, which then goes on at once as a whole code.
    void ReceiveMarked(const std::function<bool(TReceivedCode&)>& append);
    // The end-of-code timer ran out.
    void EndOfCode();
    // A timed code is being collected: its end-of-code timer runs.
    bool Collecting() const { return endOfCode_.Running(); }

    // The test dialog while it exists (none otherwise).
    void SetTestView(IOriginTestView* view) { test_ = view; }
    IOriginTestView* TestView() const { return test_; }
    // While learning a code ends 300 ms after its first data, else 125 ms.
    void SetLearning(bool learning);

private:
    bool Testing() const { return test_ != nullptr && test_->Visible(); }
    // The buffer holds a complete code: to the recognizer, or as one line to the test dialog.
    void Complete();

    TDocument& doc_;
    TRecognizer& recognizer_;
    ITimer& endOfCode_;
    ITimer& typematic_;
    std::function<void(unsigned)> setEndOfCodeInterval_;
    IOriginTestView* test_ = nullptr;
};

} // namespace tav
