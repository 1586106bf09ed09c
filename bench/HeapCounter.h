#pragma once
// The benchmark program counts what the heap hands out, so that a benchmark can report how much
// memory a piece of work needed at its peak and how much it keeps.

#include <cstddef>

namespace bench {

// Bytes handed out and not yet given back.
std::size_t HeapLiveBytes();
// The most that was live at once since the last reset.
std::size_t HeapPeakBytes();
// Starts a new peak from what is live now.
void ResetHeapPeak();

} // namespace bench
