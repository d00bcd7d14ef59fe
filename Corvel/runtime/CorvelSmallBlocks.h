// CorvelSmallBlocks: blocks of memory the interpreter frees are kept, per
// thread and by size, for the next allocation of that size. Most objects,
// properties, records and contexts live briefly and come in a few sizes, so
// a call or a loop that makes and drops them takes them from here instead
// of the heap. Each size keeps a bounded number, so little memory stays
// held. Builds with the address sanitizer keep none, so that it still sees
// every use of freed memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define CORVEL_SMALL_BLOCKS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVEL_SMALL_BLOCKS 0
#endif
#endif
#ifndef CORVEL_SMALL_BLOCKS
#define CORVEL_SMALL_BLOCKS 1
#endif

class CorvelSmallBlocks {
public:
    // A block of at least `bytes`; throws std::bad_alloc.
    static void* Take(size_t bytes) {
#if CORVEL_SMALL_BLOCKS
        size_t size = SizeClass(bytes);
        if (size < kClasses) {
            Lists& lists = ms_lists;
            if (FreeBlock* block = lists.first[size]) {
                lists.first[size] = block->next;
                --lists.count[size];
                return block;
            }
            return ::operator new((size + 1) * kGrain);
        }
#endif
        return ::operator new(bytes);
    }

    // Gives back a block taken for `bytes`.
    static void Give(void* memory, size_t bytes) {
#if CORVEL_SMALL_BLOCKS
        size_t size = SizeClass(bytes);
        Lists& lists = ms_lists;
        if (size < kClasses && KeepsMore(size, lists.count[size]) && !lists.closed) {
            if (!lists.open) Open();
            FreeBlock* block = static_cast<FreeBlock*>(memory);
            block->next = lists.first[size];
            lists.first[size] = block;
            ++lists.count[size];
            return;
        }
#else
        static_cast<void>(bytes);
#endif
        ::operator delete(memory);
    }

    // Returns this thread's kept blocks to the heap (they also go when the
    // thread ends).
    static void Trim();

private:
    struct FreeBlock {
        FreeBlock* next;
    };
    static const size_t kGrain = 16;
    static const size_t kClasses = 24;  // blocks up to 384 bytes
    // Each size keeps up to 128 KB of blocks, and at least 256 blocks, so
    // that the many small texts and entries a split or a loop drops at once
    // come back from here; about 3 MB at most in all.
    static bool KeepsMore(size_t size, uint32_t count) {
        return count < 256 || count * (size + 1) * kGrain < 131072;
    }
    // Plain data, so that it is there until the thread's last moment; the
    // thread's end empties it and closes it for blocks freed later still.
    struct Lists {
        FreeBlock* first[kClasses];
        uint32_t count[kClasses];
        bool open;
        bool closed;
    };
    // Arranges for the thread's end to empty the lists.
    static void Open();
    static size_t SizeClass(size_t bytes) { return bytes == 0 ? 0 : (bytes - 1) / kGrain; }
    static thread_local Lists ms_lists;
    friend struct CorvelSmallBlocksCloser;
};
