#include "PlatformClock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

uint32_t SystemTicks() {
    using namespace std::chrono;
    auto since = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return (uint32_t)(uint64_t)since;  // wraps like a 32-bit counter
}

// Sessions on any thread read it.
std::atomic<PlatformTickSource> g_source{SystemTicks};

}  // namespace

uint32_t PlatformTickCount() { return g_source.load(std::memory_order_relaxed)(); }

PlatformTickSource PlatformSetTickSource(PlatformTickSource source) {
    return g_source.exchange(source ? source : SystemTicks);
}

void PlatformSleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
