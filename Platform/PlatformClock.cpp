#include "PlatformClock.h"

#include <chrono>
#include <thread>

namespace {

uint32_t SystemTicks() {
    using namespace std::chrono;
    auto since = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return (uint32_t)(uint64_t)since;  // wraps like a 32-bit counter
}

PlatformTickSource g_source = SystemTicks;

}  // namespace

uint32_t PlatformTickCount() { return g_source(); }

PlatformTickSource PlatformSetTickSource(PlatformTickSource source) {
    PlatformTickSource previous = g_source;
    g_source = source ? source : SystemTicks;
    return previous;
}

void PlatformSleep(uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
