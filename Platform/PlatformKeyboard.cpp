#include "PlatformKeyboard.h"

#include <atomic>

namespace {

// Set by the host's user-interface thread, read by sessions on any thread.
std::atomic<bool> g_down[256];
std::atomic<PlatformKeySource> g_source{nullptr};

}  // namespace

int16_t PlatformGetAsyncKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    PlatformKeySource source = g_source.load();
    bool down = g_down[virtualKey].load(std::memory_order_relaxed) || (source && source(virtualKey));
    return down ? (int16_t)0x8000 : (int16_t)0;
}

void PlatformSetKeyDown(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey <= 255) g_down[virtualKey].store(down, std::memory_order_relaxed);
}

PlatformKeySource PlatformSetKeySource(PlatformKeySource source) {
    return g_source.exchange(source);
}
