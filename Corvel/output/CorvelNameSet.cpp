#include "CorvelNameSet.h"

#include "CorvelPropertyStore.h"

#include <cstring>

namespace {

const size_t kInitialSlots = 64;

}  // namespace

bool CorvelNameSet::Contains(const char* name, size_t length) const {
    if (m_slots.empty()) return false;
    uint32_t hash = CorvelPropertyStore::Name::IndexHashOf(name, length);
    size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = m_slots[at];
        if (!slot.name) return false;
        if (slot.hash == hash && slot.length == length && memcmp(slot.name, name, length) == 0) return true;
    }
}

void CorvelNameSet::Add(const char* name, size_t length) {
    if ((m_count + 1) * 2 > m_slots.size()) Grow();
    uint32_t hash = CorvelPropertyStore::Name::IndexHashOf(name, length);
    size_t mask = m_slots.size() - 1;
    size_t at = hash & mask;
    while (m_slots[at].name) at = (at + 1) & mask;
    m_slots[at] = Slot{name, (uint32_t)length, hash};
    ++m_count;
}

void CorvelNameSet::Grow() {
    std::vector<Slot> grown(m_slots.empty() ? kInitialSlots : m_slots.size() * 2);
    size_t mask = grown.size() - 1;
    for (const Slot& slot : m_slots) {
        if (!slot.name) continue;
        size_t at = slot.hash & mask;
        while (grown[at].name) at = (at + 1) & mask;
        grown[at] = slot;
    }
    m_slots.swap(grown);
}
