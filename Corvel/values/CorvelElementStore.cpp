#include "CorvelElementStore.h"

#include "CorvelNumberText.h"
#include "CorvelPropertyStore.h"

#include <algorithm>
#include <new>
#include <utility>

CorvelElementStore::~CorvelElementStore() {
    for (Page* page : m_pages) DeletePage(page);
}

CorvelElementStore::Page* CorvelElementStore::NewPage(uint32_t capacity) {
    Page* page = static_cast<Page*>(CorvelMemoryBudget::Allocate(PageBytes(capacity)));
    page->capacity = capacity;
    CorvelValue* values = page->Values();
    uint32_t* sequences = page->Sequences();
    for (uint32_t slot = 0; slot < capacity; ++slot) {
        new (&values[slot]) CorvelValue();
        sequences[slot] = kHole;
    }
    return page;
}

void CorvelElementStore::DeletePage(Page* page) {
    CorvelValue* values = page->Values();
    for (uint32_t slot = 0; slot < page->capacity; ++slot) values[slot].~CorvelValue();
    CorvelMemoryBudget::Free(page, PageBytes(page->capacity));
}

// A small first page is replaced by one twice as large (its values moved
// over); beyond a page, whole pages are added. A page added before memory
// ran out stays, empty, for the next element.
void CorvelElementStore::Reserve(uint64_t needed) {
    if (needed <= Capacity()) return;
    if (m_pages.size() <= 1 && Capacity() < kPageSize) {
        uint64_t capacity = std::max<uint64_t>(std::max<uint64_t>(needed, Capacity() * 2), 8);
        Page* grown = NewPage((uint32_t)std::min<uint64_t>(capacity, kPageSize));
        if (m_pages.empty()) {
            try {
                m_pages.push_back(grown);
            } catch (...) {
                DeletePage(grown);
                throw;
            }
        } else {
            Page* old = m_pages[0];
            for (uint32_t slot = 0; slot < old->capacity; ++slot) {
                grown->Values()[slot] = std::move(old->Values()[slot]);
                grown->Sequences()[slot] = old->Sequences()[slot];
            }
            m_pages[0] = grown;
            DeletePage(old);
        }
    }
    while (needed > Capacity()) {
        Page* page = NewPage(kPageSize);
        try {
            m_pages.push_back(page);
        } catch (...) {
            DeletePage(page);
            throw;
        }
    }
}

// `value` may be an element of this store, which growing the first page
// moves: it is copied before.
CorvelValue& CorvelElementStore::Add(uint32_t index, const CorvelValue& value, int attributes, uint32_t sequence) {
    if ((uint64_t)index + 1 > Capacity()) {
        CorvelValue kept(value);
        Reserve((uint64_t)index + 1);
        return Place(index, kept, attributes, sequence);
    }
    return Place(index, value, attributes, sequence);
}

CorvelValue& CorvelElementStore::Place(uint32_t index, const CorvelValue& value, int attributes, uint32_t sequence) {
    Page* page = m_pages[index >> kPageBits];
    uint32_t slot = index & kPageMask;
    CorvelValue& stored = page->Values()[slot];
    stored = value;
    stored.SetAttributes(attributes);
    page->Sequences()[slot] = sequence;
    ++m_count;
    if (index >= m_end) m_end = index + 1;
    return stored;
}

bool CorvelElementStore::Remove(uint32_t index, CorvelValue& removed) {
    CorvelValue* element = Find(index);
    if (!element) return false;
    removed = std::move(*element);
    SequenceAt(index) = kHole;
    --m_count;
    Shrink();
    return true;
}

void CorvelElementStore::TruncateTo(uint32_t end) {
    while (m_end > end) {
        uint32_t index = m_end - 1;
        CorvelValue doomed(std::move(m_pages[index >> kPageBits]->Values()[index & kPageMask]));
        uint32_t& sequence = SequenceAt(index);
        if (sequence != kHole) --m_count;
        sequence = kHole;
        m_end = index;
    }
    Shrink();
}

void CorvelElementStore::Shrink() {
    while (m_end > 0 && SequenceAt(m_end - 1) == kHole) --m_end;
    size_t used = m_end == 0 ? 0 : ((m_end - 1) >> kPageBits) + 1;
    size_t kept = m_end == 0 ? 0 : used + 1;
    while (m_pages.size() > kept) {
        DeletePage(m_pages.back());
        m_pages.pop_back();
    }
    if (m_pages.empty()) decltype(m_pages)().swap(m_pages);
}

bool CorvelElementStore::ParseIndex(const char* name, uint32_t& index) {
    if (name[0] < '0' || name[0] > '9') return false;
    if (name[0] == '0') {
        if (name[1] != 0) return false;
        index = 0;
        return true;
    }
    uint64_t value = 0;
    for (const char* at = name; *at; ++at) {
        if (*at < '0' || *at > '9') return false;
        value = value * 10 + (uint64_t)(*at - '0');
        if (value >= 0xFFFFFFFFull) return false;
    }
    index = (uint32_t)value;
    return true;
}

// The same text as "%u", without the cost of a format call in the loops
// that visit every index.
const char* CorvelElementStore::FormatIndex(uint32_t index, char (&buffer)[16]) {
    return CorvelNumberText::FormatUnsigned(index, buffer);
}

int CorvelElementStore::BucketOf(uint32_t index) {
    char buffer[16];
    return (int)CorvelPropertyStore::Name(FormatIndex(index, buffer)).bucket;
}
