#include "CorvelStatementPosition.h"

#include "CorvelMemoryBudget.h"

void* CorvelStatementPosition::operator new(size_t size) {
    CorvelMemoryBudget::Charge(size);
    try {
        return ::operator new(size);
    } catch (...) {
        CorvelMemoryBudget::Release(size);
        throw;
    }
}

void CorvelStatementPosition::operator delete(void* memory, size_t size) {
    if (!memory) return;
    CorvelMemoryBudget::Release(size);
    ::operator delete(memory);
}

void* CorvelStatementPosition::operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void CorvelStatementPosition::operator delete(void* memory, const std::nothrow_t&) noexcept {
    ::operator delete(memory);
}
