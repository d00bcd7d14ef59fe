#include "CorvelSmallBlocks.h"

thread_local CorvelSmallBlocks::Lists CorvelSmallBlocks::ms_lists;

// Ends with its thread: the kept blocks go back to the heap, and blocks
// freed after that (by other objects ending with the thread) go straight
// there too.
struct CorvelSmallBlocksCloser {
    bool armed = false;
    ~CorvelSmallBlocksCloser() {
        CorvelSmallBlocks::Trim();
        CorvelSmallBlocks::ms_lists.closed = true;
    }
};

namespace {

thread_local CorvelSmallBlocksCloser t_closer;

}  // namespace

void CorvelSmallBlocks::Open() {
    // Using the closer makes it, and so its end, part of this thread.
    t_closer.armed = true;
    ms_lists.open = true;
}

void CorvelSmallBlocks::Trim() {
    Lists& lists = ms_lists;
    for (size_t size = 0; size < kClasses; ++size) {
        while (FreeBlock* block = lists.first[size]) {
            lists.first[size] = block->next;
            ::operator delete(block);
        }
        lists.count[size] = 0;
    }
}
