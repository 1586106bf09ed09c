#pragma once
// The TV card's remote, read by polling the card's vendor library: every 50 ms the library is
// asked for the current key, and every answer is a code, whether or not a key is down (the
// recognition time-out keeps a held key from firing at each poll).

#include "engine/recognition/CodeReceiver.h"
#include "engine/serial/SerialPorts.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tav {

// The vendor library grappler.dll and its entry GetTVParam.
class ITvCardLibrary {
public:
    virtual ~ITvCardLibrary() = default;
    // False when the library cannot be loaded.
    virtual bool Load() = 0;
    // Binds GetTVParam in the loaded library; false when it has no such entry.
    virtual bool Bind() = 0;
    // Only while bound.
    virtual std::int32_t GetTVParam(std::int32_t which) = 0;
    // Frees the library; its entry goes with it.
    virtual void Free() = 0;
};

struct TTvCardLinks {
    ITvCardLibrary& Library;
    // BestBuyTimer, whose interval is kTvCardPollMs.
    ITimer& PollTimer;
    TCodeReceiver& Codes;
    // The user's language for a message keyed by its English text.
    std::function<std::string(const std::string&)> Translate;
    TMessageBoxFn ShowMessage;
};

inline constexpr unsigned kTvCardPollMs = 50;
// What GetTVParam is asked for: the current remote key.
inline constexpr std::int32_t kTvParamRemoteKey = 17;

// The code of a key as GetTVParam returns it: its low byte, of which 127 stands for itself and
// every other value keeps its low six bits.
std::int32_t TvCardCode(std::int32_t param);

class TTvCardOrigin {
public:
    // Every link must outlive the origin.
    explicit TTvCardOrigin(TTvCardLinks links) : l_(std::move(links)) {}
    // A library still loaded is freed.
    ~TTvCardOrigin();
    TTvCardOrigin(const TTvCardOrigin&) = delete;
    TTvCardOrigin& operator=(const TTvCardOrigin&) = delete;

    // Opening loads and binds the library (once) and starts polling; false after saying what
    // failed. Closing stops polling and frees the library; false when it was not loaded.
    bool OpenBestBuy(bool active);
    // Handler of the poll timer.
    void BestBuyTimerTimer();

private:
    void Fail(const char* text);
    bool Close();

    TTvCardLinks l_;
    bool loaded_ = false;
    bool bound_ = false;
};

} // namespace tav
