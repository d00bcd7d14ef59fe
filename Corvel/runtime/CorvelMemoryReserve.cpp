#include "CorvelMemoryReserve.h"

#include <cstddef>
#include <new>

namespace {

// Enough for a report line, the error record and a few small values.
const size_t kReserveBytes = 64 * 1024;

// Each thread that runs scripts keeps its own.
thread_local char* g_reserve = nullptr;

}  // namespace

void CorvelMemoryReserve::Take() {
    if (!g_reserve) g_reserve = new (std::nothrow) char[kReserveBytes];
}

void CorvelMemoryReserve::GiveBack() {
    delete[] g_reserve;
    g_reserve = nullptr;
}

bool CorvelMemoryReserve::IsHeld() { return g_reserve != nullptr; }
