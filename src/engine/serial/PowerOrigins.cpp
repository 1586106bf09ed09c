#include "engine/serial/PowerOrigins.h"

namespace tav {

TPowerOrigins::TPowerOrigins(const TSettings& settings, std::function<bool()> originsRunning,
                             std::function<bool(bool)> startOrigins)
    : settings_(settings), originsRunning_(std::move(originsRunning)),
      startOrigins_(std::move(startOrigins)) {}

// Windows may report a resume twice (the automatic one always, the user's one when a person
// is there): the origins restart once.
std::optional<std::intptr_t> TPowerOrigins::WMPowerBroadcast(std::uintptr_t event) {
    switch (event) {
    case kPowerQuerySuspend:
    case kPowerQueryStandby:
        return 0;
    case kPowerSuspend:
    case kPowerStandby:
        if (settings_.Bool("Use serial port")) {
            restartOnResume_ = restartOnResume_ || originsRunning_();
            startOrigins_(false);
        }
        break;
    case kPowerResumeSuspend:
    case kPowerResumeStandby:
    case kPowerResumeAutomatic:
        if (restartOnResume_) {
            restartOnResume_ = false;
            startOrigins_(true);
        }
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace tav
