#include "CorvelMemoryBudget.h"

#include "CorvelEnvironment.h"
#include "CorvelSmallBlocks.h"

#include <new>

std::atomic<int> CorvelMemoryBudget::ms_limitedBudgets{0};
thread_local CorvelMemoryBudget* CorvelMemoryBudget::ms_running = nullptr;

void CorvelMemoryBudget::SetLimit(size_t bytes) {
    if ((limit != 0) != (bytes != 0)) ms_limitedBudgets += bytes != 0 ? 1 : -1;
    // Counting starts afresh with a limit.
    if (limit == 0) held = 0;
    limit = bytes;
}

CorvelMemoryBudget* CorvelMemoryBudget::Current() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? &environment->GetMemoryBudget() : nullptr;
}

void CorvelMemoryBudget::ThrowOutOfMemory() { throw std::bad_alloc(); }

void* CorvelMemoryBudget::Allocate(size_t bytes) {
    Charge(bytes);
    try {
        return CorvelSmallBlocks::Take(bytes);
    } catch (...) {
        Release(bytes);
        throw;
    }
}

void CorvelMemoryBudget::Free(void* memory, size_t bytes) {
    if (!memory) return;
    Release(bytes);
    CorvelSmallBlocks::Give(memory, bytes);
}
