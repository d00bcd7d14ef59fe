// CorvelMemoryBudget: the bytes one environment's scripts may hold in
// strings, objects (with their properties) and statement-position records.
// They are counted as they are allocated and freed; an allocation that would
// go past the limit fails as if memory had run out (std::bad_alloc), so the
// script ends with the out-of-memory error and the host goes on.
//
// Counting runs only while some environment has a limit: a host sets the
// limit before it runs scripts. Bytes are charged to the environment that
// CorvelEnvironment::Get answers at the time, or, while a session runs a
// slice of script or a call, to the one it answered when the slice began; a
// release that finds less counted than it frees (memory taken before the
// limit was set) stops at 0.
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
        if (CorvelMemoryBudget* running = ms_running) return running->Take(bytes);
        if (ms_limitedBudgets.load(std::memory_order_relaxed) == 0) return;
        if (CorvelMemoryBudget* budget = Current()) budget->Take(bytes);
    }
    static void Release(size_t bytes) {
        if (CorvelMemoryBudget* running = ms_running) return running->Give(bytes);
        if (ms_limitedBudgets.load(std::memory_order_relaxed) == 0) return;
        if (CorvelMemoryBudget* budget = Current()) budget->Give(bytes);
    }

    // The allocation functions of the counted classes: memory from the
    // global heap, charged before it is taken and released with it.
    static void* Allocate(size_t bytes);
    static void Free(void* memory, size_t bytes);

    ~CorvelMemoryBudget() { SetLimit(0); }

private:
    void Take(size_t bytes) {
        if (limit == 0) return;
        if (bytes > limit - held || held > limit) ThrowOutOfMemory();
        held += bytes;
    }
    void Give(size_t bytes) {
        if (limit == 0) return;
        held = bytes < held ? held - bytes : 0;
    }
    [[noreturn]] static void ThrowOutOfMemory();
    static CorvelMemoryBudget* Current();

    // The budget of the slice a session runs on this thread (named by
    // CorvelEnvironment::RunScope): allocations then need not ask the host
    // for the environment.
    friend class CorvelEnvironment;
    static thread_local CorvelMemoryBudget* ms_running;

    size_t limit = 0;
    size_t held = 0;
    // Environments of several threads may set limits at once.
    static std::atomic<int> ms_limitedBudgets;
};
