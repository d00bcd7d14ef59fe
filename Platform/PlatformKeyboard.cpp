#include "PlatformKeyboard.h"

#include <bitset>

namespace {

std::bitset<256> g_down;
PlatformKeySource g_source = nullptr;

}  // namespace

int16_t PlatformGetAsyncKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 255) return 0;
    bool down = g_down[(size_t)virtualKey] || (g_source && g_source(virtualKey));
    return down ? (int16_t)0x8000 : (int16_t)0;
}

void PlatformSetKeyDown(int virtualKey, bool down) {
    if (virtualKey >= 0 && virtualKey <= 255) g_down[(size_t)virtualKey] = down;
}

PlatformKeySource PlatformSetKeySource(PlatformKeySource source) {
    PlatformKeySource previous = g_source;
    g_source = source;
    return previous;
}
