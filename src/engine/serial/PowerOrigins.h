#pragma once
// Around a system suspend the origins stop, and they start again on resume when they ran
// before it. Only while the receiver port is in use: a serial receiver needs its start-up
// again after the system slept.

#include "engine/settings/Settings.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace tav {

// The power events (the power broadcast's wParam) handled here.
inline constexpr std::uintptr_t kPowerQuerySuspend = 0;
inline constexpr std::uintptr_t kPowerQueryStandby = 1;
inline constexpr std::uintptr_t kPowerSuspend = 4;
inline constexpr std::uintptr_t kPowerStandby = 5;
inline constexpr std::uintptr_t kPowerResumeSuspend = 7;
inline constexpr std::uintptr_t kPowerResumeStandby = 8;
inline constexpr std::uintptr_t kPowerResumeAutomatic = 0x12;

class TPowerOrigins {
public:
    // `originsRunning` tells whether the origins run (the origin menu item's check);
    // `startOrigins` opens or closes them all.
    TPowerOrigins(const TSettings& settings, std::function<bool()> originsRunning,
                  std::function<bool(bool)> startOrigins);

    // The power broadcast. The message then goes on to the window's default processing, and
    // when an answer is returned here the message gets it in the end: a query whether the
    // system may suspend or stand by is answered 0.
    std::optional<std::intptr_t> WMPowerBroadcast(std::uintptr_t event);

private:
    const TSettings& settings_;
    std::function<bool()> originsRunning_;
    std::function<bool(bool)> startOrigins_;
    // The origins ran when the system went to sleep, and no resume has restarted them yet.
    bool restartOnResume_ = false;
};

} // namespace tav
