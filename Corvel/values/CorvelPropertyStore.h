// CorvelPropertyStore: the own properties of one object. Enumeration walks
// eleven buckets chosen by h = h * 2 + byte (mod 11), oldest entry first
// within a bucket; that order is visible to scripts through for ... in.
// Lookups go through a separate index on a stronger hash, built once the
// store is large, so objects with thousands of properties stay fast.
#pragma once

#include "CorvelValue.h"

#include <cstddef>
#include <cstdint>

class CorvelPropertyStore {
public:
    static const int BucketCount = 11;

    // A name with both of its hashes, computed in one pass.
    struct Name {
        explicit Name(const char* text);
        Name(const char* text, uint32_t length, uint32_t bucket, uint32_t indexHash)
            : text(text), length(length), bucket(bucket), indexHash(indexHash) {}
        // The name of a value's text (a Reference's name): its kept hashes
        // when it has them, else hashed now.
        static Name OfValueText(const char* text) {
            uint32_t length, bucket, indexHash;
            if (CorvelValue::GetTextHash(text, length, bucket, indexHash)) return Name(text, length, bucket, indexHash);
            return Name(text);
        }
        // The indexHash of the `length` bytes at `text`: each byte folded in
        // by IndexHashStep from IndexHashStart.
        static const uint32_t kIndexHashStart = 2166136261u;
        static uint32_t IndexHashStep(uint32_t hash, unsigned char byte) { return (hash ^ byte) * 16777619u; }
        static uint32_t IndexHashOf(const char* text, size_t length) {
            uint32_t hash = kIndexHashStart;
            for (size_t i = 0; i < length; ++i) hash = IndexHashStep(hash, (unsigned char)text[i]);
            return hash;
        }
        const char* text;
        uint32_t length;
        uint32_t bucket;     // 0 to 10
        uint32_t indexHash;
    };

    // One property: the value lives in the entry, so its address is stable
    // for as long as the property exists. The name follows the entry in the
    // same allocation.
    struct Entry {
        explicit Entry(const CorvelValue& initial) : value(initial) {}
        CorvelValue value;
        Entry* previous;  // within the bucket
        Entry* next;
        Entry* indexNext;
        uint32_t indexHash;
        uint32_t length;
        uint32_t bucket;
        // Entries are numbered as they are inserted, so an enumeration can
        // pass over the ones added after it began.
        uint32_t sequence;
        const char* GetName() const { return reinterpret_cast<const char*>(this + 1); }
    };

    CorvelPropertyStore() = default;
    // Most stores that end are empty (a call's activation): they are seen
    // to be so inline.
    ~CorvelPropertyStore() {
        if (!IsBare()) DestroyAll();
    }

    CorvelPropertyStore(const CorvelPropertyStore&) = delete;
    CorvelPropertyStore& operator=(const CorvelPropertyStore&) = delete;

    Entry* Find(const Name& name) const;
    // Adds an entry (the name must not be present) holding a copy of `value`.
    Entry* Insert(const Name& name, const CorvelValue& value);
    // Unlinks the entry and hands it to the caller, who destroys it with
    // DestroyEntry once nothing points at it any more.
    void Unlink(Entry* entry);
    static void DestroyEntry(Entry* entry);
    // Unlinks every entry and answers them as one chain through `next`.
    Entry* UnlinkAll() { return IsBare() ? nullptr : UnlinkEntries(); }

    int GetCount() const { return (int)m_count; }
    // Counts the entries unlinked so far (all at once counts as one): an
    // entry's address stays valid for whoever remembered it while the count
    // is unchanged. It stops at kManyUnlinks, after which nothing should be
    // remembered, as the count would no longer tell.
    uint32_t GetUnlinkCount() const { return m_unlinks; }
    static const uint32_t kManyUnlinks = UINT32_MAX;
    // The number the next entry will get: every entry present has a lower
    // one.
    uint32_t GetNextSequence() const { return m_nextSequence; }
    // Takes that number without adding an entry, for a property its owner
    // keeps outside the store but enumerates among the entries.
    uint32_t TakeSequence() {
        if (m_nextSequence == UINT32_MAX) Renumber();
        return m_nextSequence++;
    }
    Entry* First(int bucket) const { return m_buckets[bucket]; }
    bool IsEmpty() const { return m_count == 0; }

    static bool Matches(const Entry* entry, const Name& name) {
        if (entry->indexHash != name.indexHash || entry->length != name.length) return false;
        // Names are short: a loop beats a call of memcmp.
        const char* stored = entry->GetName();
        for (uint32_t i = 0; i < name.length; ++i)
            if (stored[i] != name.text[i]) return false;
        return true;
    }

private:
    // Neither entries nor an index.
    bool IsBare() const { return m_count == 0 && !m_index; }
    Entry* UnlinkEntries();
    void DestroyAll();

    void CountUnlink() {
        if (m_unlinks != kManyUnlinks) ++m_unlinks;
    }
    void LinkIntoIndex(Entry* entry);
    void UnlinkFromIndex(Entry* entry);
    // Replaces the index with one of `size` slots; false, and the old index
    // kept, when there is no memory for it.
    bool BuildIndex(uint32_t size);
    void Renumber();

    // Each bucket is a chain whose first entry's `previous` points at the
    // last one, so appending needs no tail array.
    Entry* m_buckets[BucketCount] = {};
    // Bit b set while bucket b has entries: emptying a small store visits
    // only those.
    uint32_t m_usedBuckets = 0;
    Entry** m_index = nullptr;  // null while the store is small
    uint32_t m_indexMask = 0;
    uint32_t m_count = 0;
    uint32_t m_nextSequence = 0;
    uint32_t m_unlinks = 0;
};
