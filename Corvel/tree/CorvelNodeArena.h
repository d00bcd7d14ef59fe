// CorvelNodeArena: where a parse puts the nodes it makes. Nodes are carved
// one after the other out of chunks, instead of being taken from the heap
// one by one, and a parse's tree lies together in memory. Each node may
// still be deleted on its own, on any thread: a chunk counts the nodes it
// holds and goes back to the system with its last one.
//
// Every chunk is one region of kChunkSize bytes aligned to its size, so a
// block finds its chunk from its own address and needs no header, and
// whether any address lies in a chunk is answered by a table of regions.
// A chunk's pages are touched only as nodes fill them; after a text's first
// chunk they may be backed by large pages where the system offers them.
#pragma once

#include "CorvelSourceName.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class CorvelNodeArena {
public:
    struct Chunk;
    static const size_t kChunkSize = (size_t)2 << 20;
    // The largest block Take gives.
    static const size_t kLargestBlock = (size_t)1 << 20;

    CorvelNodeArena() = default;
    CorvelNodeArena(const CorvelNodeArena&) = delete;
    CorvelNodeArena& operator=(const CorvelNodeArena&) = delete;
    ~CorvelNodeArena() { Close(); }

    // A block of `bytes` (8-aligned, at most kLargestBlock) and the chunk it
    // lies in. Throws std::bad_alloc.
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
    // The chunk `block` lies in, for a block Take gave.
    static Chunk* ChunkOf(const void* block) {
        return reinterpret_cast<Chunk*>(reinterpret_cast<uintptr_t>(block) & ~(uintptr_t)(kChunkSize - 1));
    }
    // Whether `address` lies in a chunk of any arena, alive.
    static bool InChunk(const void* address) {
        uint64_t region = reinterpret_cast<uintptr_t>(address) >> kRegionShift;
        if (region >= kRegions) return false;
        return (ms_chunkRegions[region / 64].load(std::memory_order_acquire) >> (region % 64)) & 1;
    }

    // The name of the text whose nodes the chunks started from now on hold;
    // a chunk keeps it for as long as any of its nodes lives.
    void SetSourceName(const CorvelSourceName& name) { m_sourceName = name; }
    static const CorvelSourceName& SourceNameOf(const Chunk* chunk);
    // Leaves the current chunk, so that the next parse starts afresh.
    // The chunks live on for as long as their nodes do.
    void Close();

private:
    void StartChunk(size_t bytes);

    // One bit per region of the address space a chunk may take: set while
    // a chunk lies there. Its pages stay untouched (and take no memory) but
    // for the few that cover the addresses chunks are given.
    static const int kRegionShift = 21;
    static const uint64_t kRegions = (uint64_t)1 << (47 - kRegionShift);
    static std::atomic<uint64_t> ms_chunkRegions[kRegions / 64];

public:
    // Notes a chunk's region as taken or free; false when the table has no
    // bit for it. For the arena's own use.
    static bool Register(const void* chunk, bool present);

    Chunk* m_chunk = nullptr;
    char* m_next = nullptr;
    char* m_end = nullptr;
    int64_t m_taken = 0;  // blocks taken from the current chunk
    int m_chunksStarted = 0;  // since the arena last closed
    CorvelSourceName m_sourceName;
};
