// Key state as the abort check reads it: the sign bit of the answer is set
// while the key is down. Nothing here reads a keyboard by itself; hosts
// drive it, either by setting keys down and up or by installing a source
// that is asked on every query (a terminal host polls its input there).
#pragma once

#include <cstdint>

enum : int { PlatformKeyEscape = 27 };

typedef bool (*PlatformKeySource)(int virtualKey);

int16_t PlatformGetAsyncKeyState(int virtualKey);
void PlatformSetKeyDown(int virtualKey, bool down);
// Installs a source (null removes it); answers the previous one.
PlatformKeySource PlatformSetKeySource(PlatformKeySource source);
