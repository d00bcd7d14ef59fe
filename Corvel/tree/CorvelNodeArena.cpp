#include "CorvelNodeArena.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#define CORVEL_ARENA_MAPS_LARGE_CHUNKS 1
#else
#define CORVEL_ARENA_MAPS_LARGE_CHUNKS 0
#endif

namespace {

// A short text (an eval's) needs one small chunk; a long one gets larger
// chunks, so that their count stays small. A long text's tree runs to many
// megabytes: its chunks are as large as the system's large pages, and taken
// straight from the system aligned to them, so that the tree is backed by
// large pages where the system offers them (one page fault in 512 instead
// of one per 4 KB page the parse touches).
const size_t kFirstChunk = 1024;
const size_t kLargestChunk = 2 * 1024 * 1024;

// Added to a chunk's count while its arena may still carve from it, so that
// deleting its nodes meanwhile never brings the count to 0.
const int64_t kOpen = (int64_t)1 << 48;

}  // namespace

struct CorvelNodeArena::Chunk {
    // kOpen plus the blocks taken and not given back, less those taken
    // while open; nodes may be deleted on other threads than the parse's.
    std::atomic<int64_t> count;
    size_t size;
    bool mapped;  // from the system, not the heap
    CorvelSourceName sourceName;
};

namespace {

const size_t kHeader = (sizeof(CorvelNodeArena::Chunk) + 15) & ~(size_t)15;

#if CORVEL_ARENA_MAPS_LARGE_CHUNKS
// `size` bytes aligned to `size` (a power of two), advised to be backed by
// large pages; null when the system has no such mapping to give.
void* MapAligned(size_t size) {
    void* mapping = mmap(nullptr, 2 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) return nullptr;
    uintptr_t start = reinterpret_cast<uintptr_t>(mapping);
    uintptr_t aligned = (start + size - 1) & ~(uintptr_t)(size - 1);
    if (aligned > start) munmap(mapping, aligned - start);
    if (aligned + size < start + 2 * size) munmap(reinterpret_cast<void*>(aligned + size), start + 2 * size - aligned - size);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}
#endif

// Throws std::bad_alloc.
CorvelNodeArena::Chunk* NewChunk(size_t size, const CorvelSourceName& sourceName) {
    void* memory = nullptr;
    bool mapped = false;
#if CORVEL_ARENA_MAPS_LARGE_CHUNKS
    if (size == kLargestChunk) {
        memory = MapAligned(size);
        mapped = memory != nullptr;
    }
#endif
    if (!memory) memory = ::operator new(size);
    return new (memory) CorvelNodeArena::Chunk{{kOpen}, size, mapped, sourceName};
}

void Free(CorvelNodeArena::Chunk* chunk) {
    size_t size = chunk->size;
    bool mapped = chunk->mapped;
    chunk->~Chunk();
#if CORVEL_ARENA_MAPS_LARGE_CHUNKS
    if (mapped) {
        munmap(chunk, size);
        return;
    }
#endif
    (void)size;
    (void)mapped;
    ::operator delete(chunk);
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
    m_nextSize = 0;
    if (chunk && chunk->count.fetch_add(taken - kOpen, std::memory_order_acq_rel) == kOpen - taken) Free(chunk);
}

void CorvelNodeArena::StartChunk(size_t bytes) {
    size_t size = m_nextSize ? m_nextSize : kFirstChunk;
    while (size - kHeader < bytes) size *= 2;
    size_t nextSize = size * 2 < kLargestChunk ? size * 2 : kLargestChunk;
    Chunk* chunk = NewChunk(size, m_sourceName);
    Close();
    m_chunk = chunk;
    m_next = reinterpret_cast<char*>(chunk) + kHeader;
    m_end = reinterpret_cast<char*>(chunk) + size;
    m_nextSize = nextSize;
}
