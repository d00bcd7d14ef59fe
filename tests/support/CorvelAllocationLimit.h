// Test support: the program's global allocation functions, replaced by ones
// that count the bytes in use and can be made to fail as they do when memory
// runs out, so that tests can exhaust memory also where the address sanitizer
// forbids limiting the address space.
#pragma once

#include <cstddef>

namespace CorvelAllocationLimit {

// Allocations that would take the bytes in use past `bytes` fail (new
// throws std::bad_alloc, the nothrow forms answer null); 0 lifts the limit.
// A program linked with this starts with the limit that the environment
// variable CORVEL_TEST_MEMORY_LIMIT gives in bytes, if any.
void SetLimit(size_t bytes);
// Memory runs out at the `count`-th allocation from now: that one fails, and
// so does every later one that needs more than was then in use, until the
// limit is lifted. 0 cancels.
void FailFrom(size_t count);
size_t GetBytesInUse();
// Allocations made since the program started.
size_t GetAllocationCount();

}  // namespace CorvelAllocationLimit
