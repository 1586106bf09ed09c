#include "engine/serial/win32/Win32PerformanceCounter.h"

#include <windows.h>

namespace tav {

std::int64_t TWin32PerformanceCounter::Frequency() const {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

std::int64_t TWin32PerformanceCounter::Now() const {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

} // namespace tav
