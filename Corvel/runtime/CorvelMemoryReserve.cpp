#include "CorvelMemoryReserve.h"

#include <cstddef>
#include <new>

namespace {

// Enough for a report line, the error record and a few small values.
const size_t kReserveBytes = 64 * 1024;

// Each thread that runs scripts keeps its own, freed when the thread ends.
struct Reserve {
    ~Reserve() { delete[] block; }
    char* block = nullptr;
};

thread_local Reserve g_reserve;

}  // namespace

void CorvelMemoryReserve::Take() {
    if (!g_reserve.block) g_reserve.block = new (std::nothrow) char[kReserveBytes];
}

void CorvelMemoryReserve::GiveBack() {
    delete[] g_reserve.block;
    g_reserve.block = nullptr;
}

bool CorvelMemoryReserve::IsHeld() { return g_reserve.block != nullptr; }
