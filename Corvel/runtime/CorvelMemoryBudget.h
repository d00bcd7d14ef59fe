// CorvelMemoryBudget: the bytes one environment's scripts may hold in
// strings, objects (with their properties) and statement-position records.
// They are counted as they are allocated and freed; an allocation that would
// go past the limit fails as if memory had run out (std::bad_alloc), so the
// script ends with the out-of-memory error and the host goes on.
//
// Counting runs only while some environment has a limit: a host sets the
// limit before it runs scripts. Bytes are charged to the environment that
// CorvelEnvironment::Get answers at the time; a release that finds less
// counted than it frees (memory taken before the limit was set) stops at 0.
#pragma once

#include <atomic>
#include <cstddef>

class CorvelMemoryBudget {
public:
    // 0 lifts the limit.
    void SetLimit(size_t bytes);
    size_t GetLimit() const { return limit; }
    size_t GetBytesHeld() const { return held; }

    // Counts `bytes` taken by the current environment; throws std::bad_alloc
    // instead when that would pass its limit.
    static void Charge(size_t bytes) {
        if (ms_limitedBudgets.load(std::memory_order_relaxed) != 0) ChargeCurrent(bytes);
    }
    static void Release(size_t bytes) {
        if (ms_limitedBudgets.load(std::memory_order_relaxed) != 0) ReleaseCurrent(bytes);
    }

    // The allocation functions of the counted classes: memory from the
    // global heap, charged before it is taken and released with it.
    static void* Allocate(size_t bytes);
    static void Free(void* memory, size_t bytes);

    ~CorvelMemoryBudget() { SetLimit(0); }

private:
    static void ChargeCurrent(size_t bytes);
    static void ReleaseCurrent(size_t bytes);
    static CorvelMemoryBudget* Current();

    size_t limit = 0;
    size_t held = 0;
    // Environments of several threads may set limits at once.
    static std::atomic<int> ms_limitedBudgets;
};
