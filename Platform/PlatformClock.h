// The system's millisecond tick counter: 32 bits, monotonic, wrapping
// around after about 49.7 days like the counter paced sessions were
// written for. Hosts and tests may substitute their own time source.
#pragma once

#include <cstdint>

typedef uint32_t (*PlatformTickSource)();

uint32_t PlatformTickCount();
// Installs another source (null restores the system's); answers the previous.
PlatformTickSource PlatformSetTickSource(PlatformTickSource source);
// Blocks the calling thread for the given milliseconds.
void PlatformSleep(uint32_t milliseconds);
