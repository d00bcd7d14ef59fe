// CorvelNameSet: a set of names held elsewhere, asked whether it has a name
// once for every identifier written back. It keeps pointers to the texts,
// which must stay where they are while the set has them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CorvelNameSet {
public:
    // Whether the set has `name` (`length` bytes).
    bool Contains(const char* name, size_t length) const;
    // Adds `name`, which the set does not have; the text must outlive the
    // set. Throws std::bad_alloc, the set unchanged.
    void Add(const char* name, size_t length);

private:
    struct Slot {
        const char* name = nullptr;  // null: free
        uint32_t length = 0;
        uint32_t hash = 0;
    };
    void Grow();

    std::vector<Slot> m_slots;  // open addressing, a power of two in size
    size_t m_count = 0;
};
