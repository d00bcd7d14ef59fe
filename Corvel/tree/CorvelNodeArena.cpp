#include "CorvelNodeArena.h"

#include <new>

namespace {

// A short text (an eval's) needs one small chunk; a long one gets larger
// chunks, so that their count stays small.
const size_t kFirstChunk = 1024;
const size_t kLargestChunk = 64 * 1024;

// Added to a chunk's count while its arena may still carve from it, so that
// deleting its nodes meanwhile never brings the count to 0.
const int64_t kOpen = (int64_t)1 << 48;

}  // namespace

struct CorvelNodeArena::Chunk {
    // kOpen plus the blocks taken and not given back, less those taken
    // while open; nodes may be deleted on other threads than the parse's.
    std::atomic<int64_t> count;
};

namespace {

const size_t kHeader = (sizeof(CorvelNodeArena::Chunk) + 15) & ~(size_t)15;

void Free(CorvelNodeArena::Chunk* chunk) {
    chunk->~Chunk();
    ::operator delete(chunk);
}

}  // namespace

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
    char* memory = static_cast<char*>(::operator new(size));
    size_t nextSize = size * 2 < kLargestChunk ? size * 2 : (size < kLargestChunk ? kLargestChunk : size);
    Close();
    m_chunk = new (memory) Chunk{{kOpen}};
    m_next = memory + kHeader;
    m_end = memory + size;
    m_nextSize = nextSize;
}
