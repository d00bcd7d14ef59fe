#include "CorvelPropertyStore.h"

#include "CorvelMemoryBudget.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

// Below this many entries the bucket chains are short enough to search.
const uint32_t kIndexThreshold = 8;

}  // namespace

CorvelPropertyStore::Name::Name(const char* name) : text(name ? name : "") {
    uint32_t h = 0;
    uint32_t f = kIndexHashStart;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    for (; *p; ++p) {
        h = h * 2 + *p;
        f = IndexHashStep(f, *p);
    }
    length = (uint32_t)(p - reinterpret_cast<const unsigned char*>(text));
    bucket = h % BucketCount;
    indexHash = f;
}

void CorvelPropertyStore::DestroyAll() {
    Entry* chain = UnlinkAll();
    while (chain) {
        Entry* next = chain->next;
        DestroyEntry(chain);
        chain = next;
    }
}

CorvelPropertyStore::Entry* CorvelPropertyStore::Find(const Name& name) const {
    if (m_index) {
        for (Entry* e = m_index[name.indexHash & m_indexMask]; e; e = e->indexNext)
            if (Matches(e, name)) return e;
        return nullptr;
    }
    for (Entry* e = m_buckets[name.bucket]; e; e = e->next)
        if (Matches(e, name)) return e;
    return nullptr;
}

CorvelPropertyStore::Entry* CorvelPropertyStore::Insert(const Name& name, const CorvelValue& value) {
    size_t size = sizeof(Entry) + name.length + 1;
    void* memory = CorvelMemoryBudget::Allocate(size);
    Entry* entry;
    try {
        entry = new (memory) Entry(value);
    } catch (...) {
        CorvelMemoryBudget::Free(memory, size);
        throw;
    }
    memcpy(const_cast<char*>(entry->GetName()), name.text, name.length);
    const_cast<char*>(entry->GetName())[name.length] = 0;
    entry->length = name.length;
    entry->bucket = name.bucket;
    entry->indexHash = name.indexHash;
    entry->indexNext = nullptr;
    if (m_nextSequence == UINT32_MAX) Renumber();
    entry->sequence = m_nextSequence++;

    Entry*& first = m_buckets[name.bucket];
    entry->next = nullptr;
    if (first) {
        entry->previous = first->previous;
        first->previous->next = entry;
        first->previous = entry;
    } else {
        entry->previous = entry;
        first = entry;
        m_usedBuckets |= 1u << name.bucket;
    }
    ++m_count;

    // The index only speeds up lookups: when there is no memory for a larger
    // one, the entry goes into the one there is (or, without one, the bucket
    // chains serve alone).
    if (m_index) {
        if (m_count <= m_indexMask + 1 || !BuildIndex((m_indexMask + 1) * 2)) LinkIntoIndex(entry);
    } else if (m_count > kIndexThreshold) {
        BuildIndex(kIndexThreshold * 4);
    }
    return entry;
}

// After four billion insertions into one store: the entries are numbered
// afresh from 0, oldest first within each bucket. An enumeration open at
// that moment may then see names added after it began.
void CorvelPropertyStore::Renumber() {
    m_nextSequence = 0;
    for (Entry* first : m_buckets)
        for (Entry* e = first; e; e = e->next) e->sequence = m_nextSequence++;
}

void CorvelPropertyStore::Unlink(Entry* entry) {
    Entry*& first = m_buckets[entry->bucket];
    if (entry == first) {
        first = entry->next;
        if (first) first->previous = entry->previous;
        else m_usedBuckets &= ~(1u << entry->bucket);
    } else {
        entry->previous->next = entry->next;
        if (entry->next) entry->next->previous = entry->previous;
        else first->previous = entry->previous;
    }
    if (m_index) UnlinkFromIndex(entry);
    entry->next = entry->previous = nullptr;
    --m_count;
    CountUnlink();
}

void CorvelPropertyStore::DestroyEntry(Entry* entry) {
    size_t size = sizeof(Entry) + entry->length + 1;
    entry->~Entry();
    CorvelMemoryBudget::Free(entry, size);
}

// Stores are emptied twice as their objects end: once by the object, once
// by their own destructor; the second finds nothing (see UnlinkAll).
CorvelPropertyStore::Entry* CorvelPropertyStore::UnlinkEntries() {
    CountUnlink();
    Entry* chain = nullptr;
    // The buckets in use, last first, so that the chain runs in bucket order.
    for (uint32_t used = m_usedBuckets; used != 0;) {
        int bucket = 31 - __builtin_clz(used);
        used &= ~(1u << bucket);
        Entry* first = m_buckets[bucket];
        Entry* last = first->previous;
        last->next = chain;
        chain = first;
        m_buckets[bucket] = nullptr;
    }
    m_usedBuckets = 0;
    delete[] m_index;
    m_index = nullptr;
    m_indexMask = 0;
    m_count = 0;
    return chain;
}

void CorvelPropertyStore::LinkIntoIndex(Entry* entry) {
    Entry*& slot = m_index[entry->indexHash & m_indexMask];
    entry->indexNext = slot;
    slot = entry;
}

void CorvelPropertyStore::UnlinkFromIndex(Entry* entry) {
    Entry** link = &m_index[entry->indexHash & m_indexMask];
    while (*link != entry) link = &(*link)->indexNext;
    *link = entry->indexNext;
}

bool CorvelPropertyStore::BuildIndex(uint32_t size) {
    Entry** index = new (std::nothrow) Entry*[size]();
    if (!index) return false;
    delete[] m_index;
    m_index = index;
    m_indexMask = size - 1;
    for (Entry* first : m_buckets)
        for (Entry* e = first; e; e = e->next) LinkIntoIndex(e);
    return true;
}
