// CorvelElementStore: the elements 0 to n - 1 of an array, kept in slots
// indexed by number rather than as named entries of the property store. Each
// element carries the insertion number the property store would have given
// it (taken from that store's counter), so that an enumeration can place it
// among the named properties exactly where an entry of the same name would
// stand. Indexes far beyond the end are not kept here: the owner stores
// them as named properties, so a huge index never makes a huge store.
#pragma once

#include "CorvelMemoryBudget.h"
#include "CorvelValue.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Allocations of the containers that hold script data, counted against the
// memory budget like every other allocation made for a script.
template <class T>
struct CorvelBudgetAllocator {
    typedef T value_type;
    CorvelBudgetAllocator() = default;
    template <class U>
    CorvelBudgetAllocator(const CorvelBudgetAllocator<U>&) {}
    T* allocate(size_t count) { return static_cast<T*>(CorvelMemoryBudget::Allocate(count * sizeof(T))); }
    void deallocate(T* memory, size_t count) { CorvelMemoryBudget::Free(memory, count * sizeof(T)); }
    template <class U>
    bool operator==(const CorvelBudgetAllocator<U>&) const { return true; }
    template <class U>
    bool operator!=(const CorvelBudgetAllocator<U>&) const { return false; }
};

class CorvelElementStore {
public:
    // The insertion number of a slot that holds no element (a hole). The
    // property store renumbers before its counter reaches it.
    static const uint32_t kHole = UINT32_MAX;

    static void* operator new(size_t size) { return CorvelMemoryBudget::Allocate(size); }
    static void operator delete(void* memory, size_t size) { CorvelMemoryBudget::Free(memory, size); }

    CorvelElementStore() = default;
    ~CorvelElementStore();
    CorvelElementStore(const CorvelElementStore&) = delete;
    CorvelElementStore& operator=(const CorvelElementStore&) = delete;

    // The element, or null for a hole or an index at or past the end. The
    // value stays where it is until the element is removed or the first,
    // small page grows.
    CorvelValue* Find(uint32_t index) {
        if (index >= m_end) return nullptr;
        Page* page = m_pages[index >> kPageBits];
        uint32_t slot = index & kPageMask;
        return page->Sequences()[slot] != kHole ? &page->Values()[slot] : nullptr;
    }
    const CorvelValue* Find(uint32_t index) const { return const_cast<CorvelElementStore*>(this)->Find(index); }
    // The insertion number of the element, kHole when there is none.
    uint32_t SequenceOf(uint32_t index) const { return index < m_end ? SequenceAt(index) : kHole; }

    // Whether a new element at `index` belongs here: within the slots, or
    // close enough after their end that the holes between cost little.
    bool Reaches(uint32_t index) const {
        uint64_t end = m_end;
        return (uint64_t)index < end + (end > kSlack ? end : kSlack);
    }
    // Stores a new element (the index must be a hole that Reaches) with the
    // given attributes. Throws std::bad_alloc, and changes nothing, when
    // there is no memory for its slot.
    CorvelValue& Add(uint32_t index, const CorvelValue& value, int attributes, uint32_t sequence);
    // Takes the element out into `removed` and leaves a hole; false when
    // there is none. The caller lets go of the value once nothing refers
    // to the slot any more.
    bool Remove(uint32_t index, CorvelValue& removed);
    // Removes every element from `end` on, the highest first; each value is
    // released after it has left its slot.
    void TruncateTo(uint32_t end);
    // Removes every element; the owner has removed its named ones too.
    void Clear() {
        TruncateTo(0);
        m_namedElements = false;
    }

    // Set by the owner when it stores an index beyond reach as a named
    // property: until then an index that is not here is nowhere.
    void NoteNamedElement() { m_namedElements = true; }
    bool MayHaveNamedElements() const { return m_namedElements; }

    // One past the last element, and the number of elements.
    uint32_t GetEnd() const { return m_end; }
    uint32_t GetCount() const { return m_count; }

    // Gives the elements new insertion numbers from `take`, in index order:
    // after the property store has numbered its entries afresh, the old
    // numbers mean nothing beside the new ones.
    template <class Take>
    void Renumber(Take take) {
        for (uint32_t index = 0; index < m_end; ++index)
            if (SequenceAt(index) != kHole) SequenceAt(index) = take();
    }

    // True when `name` is an array index: the plain decimal text of a number
    // below 2^32 - 1, without sign or leading zeros. Its value goes to `index`.
    static bool ParseIndex(const char* name, uint32_t& index);
    // The name of `index` ("%u"), written into the end of `buffer`.
    static const char* FormatIndex(uint32_t index, char (&buffer)[16]);
    // The property store's enumeration bucket of the index's name.
    static int BucketOf(uint32_t index);

private:
    // The slots live in pages of kPageSize, so the store grows without
    // moving its values or holding two copies of them at once. An array
    // with one page has a smaller one, grown by doubling up to that size.
    // A new element may open this many holes after the end of a small
    // store; a larger one may grow by up to its own size.
    static constexpr uint64_t kSlack = 64;

    static const uint32_t kPageBits = 10;
    static const uint32_t kPageSize = 1u << kPageBits;
    static const uint32_t kPageMask = kPageSize - 1;

    // The header of a page; its values and then their insertion numbers
    // follow it in the same allocation.
    struct alignas(8) Page {
        uint32_t capacity;
        CorvelValue* Values() { return reinterpret_cast<CorvelValue*>(this + 1); }
        uint32_t* Sequences() { return reinterpret_cast<uint32_t*>(Values() + capacity); }
    };
    static size_t PageBytes(uint32_t capacity) {
        return sizeof(Page) + capacity * (sizeof(CorvelValue) + sizeof(uint32_t));
    }
    // A page of holes; throws std::bad_alloc.
    static Page* NewPage(uint32_t capacity);
    // Destroys the page's values (releasing what they hold) and frees it.
    static void DeletePage(Page* page);

    uint32_t& SequenceAt(uint32_t index) const {
        return m_pages[index >> kPageBits]->Sequences()[index & kPageMask];
    }
    uint64_t Capacity() const {
        return m_pages.empty() ? 0 : (uint64_t)(m_pages.size() - 1) * kPageSize + m_pages.back()->capacity;
    }
    // Makes room for slots up to `needed`; throws std::bad_alloc, the
    // elements unchanged.
    void Reserve(uint64_t needed);
    // Add, with room made.
    CorvelValue& Place(uint32_t index, const CorvelValue& value, int attributes, uint32_t sequence);
    // After removals: the end moves back over trailing holes, and pages
    // past it are freed (one kept in reserve unless the store is empty).
    void Shrink();

    std::vector<Page*, CorvelBudgetAllocator<Page*>> m_pages;
    uint32_t m_end = 0;
    uint32_t m_count = 0;
    bool m_namedElements = false;
};
