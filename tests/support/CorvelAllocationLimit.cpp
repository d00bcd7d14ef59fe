#include "CorvelAllocationLimit.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<size_t> g_inUse{0};
std::atomic<size_t> g_limit{0};
std::atomic<size_t> g_countdown{0};
std::atomic<size_t> g_allocations{0};

size_t LimitFromEnvironment() {
    const char* text = getenv("CORVEL_TEST_MEMORY_LIMIT");
    return text ? (size_t)strtoull(text, nullptr, 10) : 0;
}

// Read before main, at the first allocation.
const bool g_started = [] {
    g_limit = LimitFromEnvironment();
    return true;
}();

void* Allocate(size_t size) {
    ++g_allocations;
    size_t countdown = g_countdown.load(std::memory_order_relaxed);
    if (countdown != 0 && --g_countdown == 0) g_limit = g_inUse.load() == 0 ? 1 : g_inUse.load();
    size_t limit = g_limit.load(std::memory_order_relaxed);
    if (limit != 0 && g_inUse.load(std::memory_order_relaxed) + size > limit) return nullptr;
    void* memory = malloc(size ? size : 1);
    if (memory) g_inUse += malloc_usable_size(memory);
    return memory;
}

void Free(void* memory) {
    if (!memory) return;
    g_inUse -= malloc_usable_size(memory);
    free(memory);
}

}  // namespace

void CorvelAllocationLimit::SetLimit(size_t bytes) {
    g_countdown = 0;
    g_limit = bytes;
}

void CorvelAllocationLimit::FailFrom(size_t count) {
    g_limit = 0;
    g_countdown = count;
}

size_t CorvelAllocationLimit::GetBytesInUse() { return g_inUse; }

size_t CorvelAllocationLimit::GetAllocationCount() { return g_allocations; }

void* operator new(size_t size) {
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}

void* operator new[](size_t size) {
    if (void* memory = Allocate(size)) return memory;
    throw std::bad_alloc();
}

void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* memory) noexcept { Free(memory); }

void operator delete[](void* memory) noexcept { Free(memory); }

void operator delete(void* memory, size_t) noexcept { Free(memory); }

void operator delete[](void* memory, size_t) noexcept { Free(memory); }

void operator delete(void* memory, const std::nothrow_t&) noexcept { Free(memory); }

void operator delete[](void* memory, const std::nothrow_t&) noexcept { Free(memory); }
