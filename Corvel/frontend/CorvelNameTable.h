// The names one text uses, each made once: every identifier of the text
// shares its name's String value, so that a name met a thousand times is
// copied and hashed once, and the tree holds one text for it.
#pragma once

#include "CorvelValue.h"

#include <cstdint>
#include <vector>

class CorvelNameTable {
public:
    // The String value of the `length` bytes at `name` (which hold no NUL),
    // with its property-name hashes kept; made on first sight. The value
    // stays valid until the next call or Clear. Throws std::bad_alloc.
    const CorvelValue& Intern(const char* name, int length);
    // Lets go of every name (their texts live on in the nodes that share them).
    void Clear() {
        if (m_count) ClearAll();
    }

private:
    struct Slot {
        CorvelValue value;  // Undefined: free
        uint32_t hash = 0;
    };
    void Grow();
    void ClearAll();

    std::vector<Slot> m_slots;  // open addressing, a power of two in size
    size_t m_count = 0;
};
