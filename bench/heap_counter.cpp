// Replaces the global allocation functions of the benchmark program with counting ones.
#include "HeapCounter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> live{0};
std::atomic<std::size_t> peak{0};

void* Counted(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        return nullptr;
    const std::size_t now = live.fetch_add(malloc_usable_size(p)) + malloc_usable_size(p);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return p;
}

void Uncounted(void* p) {
    if (!p)
        return;
    live.fetch_sub(malloc_usable_size(p));
    std::free(p);
}

} // namespace

namespace bench {
std::size_t HeapLiveBytes() {
    return live.load();
}
std::size_t HeapPeakBytes() {
    return peak.load();
}
void ResetHeapPeak() {
    peak.store(live.load());
}
} // namespace bench

void* operator new(std::size_t size) {
    if (void* p = Counted(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Counted(size);
}
void operator delete(void* p) noexcept {
    Uncounted(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Uncounted(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Uncounted(p);
}
