// CorvelNodeArena: where a parse puts the nodes it makes. Nodes are carved
// one after the other out of chunks that grow with the text, instead of
// being taken from the heap one by one, and a parse's tree lies together in
// memory. Each node may still be deleted on its own, on any thread: a chunk
// counts the nodes it holds and goes back to the heap with its last one.
#pragma once

#include "CorvelSourceName.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class CorvelNodeArena {
public:
    struct Chunk;

    CorvelNodeArena() = default;
    CorvelNodeArena(const CorvelNodeArena&) = delete;
    CorvelNodeArena& operator=(const CorvelNodeArena&) = delete;
    ~CorvelNodeArena() { Close(); }

    // A block of `bytes` (8-aligned) and the chunk it lies in, which the
    // caller keeps to give the block back. Throws std::bad_alloc.
    void* Take(size_t bytes, Chunk** chunk) {
        bytes = (bytes + 7) & ~(size_t)7;
        if (bytes > (size_t)(m_end - m_next)) StartChunk(bytes);
        void* block = m_next;
        m_next += bytes;
        ++m_taken;
        *chunk = m_chunk;
        return block;
    }
    // Gives back one block of `chunk`; the last one frees the chunk once
    // its arena has moved on from it.
    static void Give(Chunk* chunk);
    // The name of the text whose nodes the chunks started from now on hold;
    // a chunk keeps it for as long as any of its nodes lives.
    void SetSourceName(const CorvelSourceName& name) { m_sourceName = name; }
    static const CorvelSourceName& SourceNameOf(const Chunk* chunk);
    // Leaves the current chunk, so that the next parse starts small again.
    // The chunks live on for as long as their nodes do.
    void Close();

private:
    void StartChunk(size_t bytes);

    Chunk* m_chunk = nullptr;
    char* m_next = nullptr;
    char* m_end = nullptr;
    int64_t m_taken = 0;  // blocks taken from the current chunk
    size_t m_nextSize = 0;  // of the next chunk
    CorvelSourceName m_sourceName;
};
