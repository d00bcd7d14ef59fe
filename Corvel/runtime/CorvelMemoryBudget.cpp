#include "CorvelMemoryBudget.h"

#include "CorvelEnvironment.h"

#include <new>

std::atomic<int> CorvelMemoryBudget::ms_limitedBudgets{0};

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

void CorvelMemoryBudget::ChargeCurrent(size_t bytes) {
    CorvelMemoryBudget* budget = Current();
    if (!budget || budget->limit == 0) return;
    if (bytes > budget->limit - budget->held || budget->held > budget->limit) throw std::bad_alloc();
    budget->held += bytes;
}

void CorvelMemoryBudget::ReleaseCurrent(size_t bytes) {
    CorvelMemoryBudget* budget = Current();
    if (!budget || budget->limit == 0) return;
    budget->held = bytes < budget->held ? budget->held - bytes : 0;
}

void* CorvelMemoryBudget::Allocate(size_t bytes) {
    Charge(bytes);
    try {
        return ::operator new(bytes);
    } catch (...) {
        Release(bytes);
        throw;
    }
}

void CorvelMemoryBudget::Free(void* memory, size_t bytes) {
    if (!memory) return;
    Release(bytes);
    ::operator delete(memory);
}
