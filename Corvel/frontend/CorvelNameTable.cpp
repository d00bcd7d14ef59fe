#include "CorvelNameTable.h"

#include "CorvelPropertyStore.h"

#include <cstring>

namespace {

// Small: an eval's text has a handful of names.
const size_t kInitialSlots = 16;

}  // namespace

const CorvelValue& CorvelNameTable::Intern(const char* name, int length) {
    if ((m_count + 1) * 4 > m_slots.size() * 3) Grow();
    uint32_t hash = CorvelPropertyStore::Name::IndexHashOf(name, (size_t)length);
    size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = m_slots[at];
        if (slot.value.GetType() == CorvelValue::Undefined) {
            CorvelValue value(name, length);
            CorvelPropertyStore::Name hashed(value.GetString());
            value.KeepTextHash(hashed.bucket, hashed.indexHash);
            slot.value = std::move(value);
            slot.hash = hash;
            ++m_count;
            return slot.value;
        }
        if (slot.hash == hash && slot.value.GetStringLength() == length &&
            memcmp(slot.value.GetString(), name, (size_t)length) == 0)
            return slot.value;
    }
}

void CorvelNameTable::ClearAll() {
    std::vector<Slot>().swap(m_slots);
    m_count = 0;
}

void CorvelNameTable::Grow() {
    std::vector<Slot> old(m_slots.empty() ? kInitialSlots : m_slots.size() * 2);
    old.swap(m_slots);
    size_t mask = m_slots.size() - 1;
    for (Slot& slot : old) {
        if (slot.value.GetType() == CorvelValue::Undefined) continue;
        size_t at = slot.hash & mask;
        while (m_slots[at].value.GetType() != CorvelValue::Undefined) at = (at + 1) & mask;
        m_slots[at].value = std::move(slot.value);
        m_slots[at].hash = slot.hash;
    }
}
