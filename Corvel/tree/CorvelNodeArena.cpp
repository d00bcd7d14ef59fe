#include "CorvelNodeArena.h"

#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#define CORVEL_ARENA_MAPS_CHUNKS 1
#else
#define CORVEL_ARENA_MAPS_CHUNKS 0
#endif

namespace {

// Added to a chunk's count while its arena may still carve from it, so that
// deleting its nodes meanwhile never brings the count to 0.
const int64_t kOpen = (int64_t)1 << 48;

}  // namespace

std::atomic<uint64_t> CorvelNodeArena::ms_chunkRegions[kRegions / 64];

bool CorvelNodeArena::Register(const void* chunk, bool present) {
    static_assert(((size_t)1 << kRegionShift) == kChunkSize, "a region per chunk");
    uint64_t region = reinterpret_cast<uintptr_t>(chunk) >> kRegionShift;
    if (region >= kRegions) return false;
    uint64_t bit = (uint64_t)1 << (region % 64);
    if (present)
        ms_chunkRegions[region / 64].fetch_or(bit, std::memory_order_release);
    else
        ms_chunkRegions[region / 64].fetch_and(~bit, std::memory_order_release);
    return true;
}

struct CorvelNodeArena::Chunk {
    // kOpen plus the blocks taken and not given back, less those taken
    // while open; nodes may be deleted on other threads than the parse's.
    std::atomic<int64_t> count;
    bool mapped;  // from the system, not the heap
    CorvelSourceName sourceName;
};

namespace {

const size_t kHeader = (sizeof(CorvelNodeArena::Chunk) + 15) & ~(size_t)15;
const size_t kSize = CorvelNodeArena::kChunkSize;

#if CORVEL_ARENA_MAPS_CHUNKS
// A region of kSize bytes aligned to its size, or null.
void* MapAligned() {
    void* mapping = mmap(nullptr, 2 * kSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) return nullptr;
    uintptr_t start = reinterpret_cast<uintptr_t>(mapping);
    uintptr_t aligned = (start + kSize - 1) & ~(uintptr_t)(kSize - 1);
    if (aligned > start) munmap(mapping, aligned - start);
    if (aligned + kSize < start + 2 * kSize) munmap(reinterpret_cast<void*>(aligned + kSize), start + 2 * kSize - aligned - kSize);
    return reinterpret_cast<void*>(aligned);
}
#endif

void Release(void* memory, bool mapped) {
#if CORVEL_ARENA_MAPS_CHUNKS
    if (mapped) {
        munmap(memory, kSize);
        return;
    }
#endif
    (void)mapped;
    std::free(memory);
}

// A text's first chunk keeps to small pages: a text of a few kilobytes
// touches a few of them. A longer text's further chunks fill whole. Throws
// std::bad_alloc.
CorvelNodeArena::Chunk* NewChunk(const CorvelSourceName& sourceName, bool large) {
    void* memory = nullptr;
    bool mapped = false;
#if CORVEL_ARENA_MAPS_CHUNKS
    memory = MapAligned();
    mapped = memory != nullptr;
#ifdef MADV_HUGEPAGE
    if (memory && large) madvise(memory, kSize, MADV_HUGEPAGE);
#endif
#endif
    (void)large;
    if (!memory) memory = std::aligned_alloc(kSize, kSize);
    if (!memory) throw std::bad_alloc();
    if (!CorvelNodeArena::Register(memory, true)) {
        Release(memory, mapped);
        throw std::bad_alloc();
    }
    return new (memory) CorvelNodeArena::Chunk{{kOpen}, mapped, sourceName};
}

void Free(CorvelNodeArena::Chunk* chunk) {
    bool mapped = chunk->mapped;
    chunk->~Chunk();
    CorvelNodeArena::Register(chunk, false);
    Release(chunk, mapped);
}

}  // namespace

const CorvelSourceName& CorvelNodeArena::SourceNameOf(const Chunk* chunk) { return chunk->sourceName; }

void CorvelNodeArena::Give(Chunk* chunk) {
    if (chunk->count.fetch_sub(1, std::memory_order_acq_rel) == 1) Free(chunk);
}

void CorvelNodeArena::Close() {
    Chunk* chunk = m_chunk;
    int64_t taken = m_taken;
    m_chunk = nullptr;
    m_next = m_end = nullptr;
    m_taken = 0;
    m_chunksStarted = 0;
    if (chunk && chunk->count.fetch_add(taken - kOpen, std::memory_order_acq_rel) == kOpen - taken) Free(chunk);
}

void CorvelNodeArena::StartChunk(size_t bytes) {
    if (bytes > kLargestBlock) throw std::bad_alloc();
    Chunk* chunk = NewChunk(m_sourceName, m_chunksStarted > 0);
    int started = m_chunksStarted + 1;
    Close();
    m_chunksStarted = started;
    m_chunk = chunk;
    m_next = reinterpret_cast<char*>(chunk) + kHeader;
    m_end = reinterpret_cast<char*>(chunk) + kSize;
}
