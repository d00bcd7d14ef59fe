#include "CorvelStatementPosition.h"

#include "CorvelMemoryBudget.h"

void* CorvelStatementPosition::operator new(size_t size) { return CorvelMemoryBudget::Allocate(size); }

void CorvelStatementPosition::operator delete(void* memory, size_t size) { CorvelMemoryBudget::Free(memory, size); }

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
