#pragma once
// The system's performance counter, which times the carrier-detect pulses.

#include "engine/serial/SerialPorts.h"

namespace tav {

class TWin32PerformanceCounter : public IPerformanceCounter {
public:
    std::int64_t Frequency() const override;
    std::int64_t Now() const override;
};

} // namespace tav
