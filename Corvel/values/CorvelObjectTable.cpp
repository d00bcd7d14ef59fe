#include "CorvelObjectTable.h"

#include "CorvelObject.h"
#include "CorvelRuntimeException.h"

#include <cstdint>
#include <memory>
#include <new>

namespace {

const uint32_t kInitialCapacity = 64;

uint32_t ShiftFor(uint32_t capacity) {
    uint32_t shift = 32;
    while (capacity > 1) {
        capacity >>= 1;
        --shift;
    }
    return shift;
}

}  // namespace

CorvelObjectTable::CorvelObjectTable()
    : m_keys(new uint32_t[kInitialCapacity]()),
      m_objects(new CorvelObject*[kInitialCapacity]()),
      m_mask(kInitialCapacity - 1),
      m_shift(ShiftFor(kInitialCapacity)) {}

CorvelObjectTable::~CorvelObjectTable() {
    DoRemoveAll();
    delete[] m_keys;
    delete[] m_objects;
}

uint32_t CorvelObjectTable::Add(CorvelObject* object) {
    if ((m_count + 1) * 2 > m_mask + 1) Grow();
    uint32_t key = TakeFreeKey();
    Insert(key, object);
    object->m_key = key;
    return key;
}

// After the counter wraps, keys still held by live objects are passed over.
uint32_t CorvelObjectTable::TakeFreeKey() {
    for (;;) {
        uint32_t key = m_nextKey++;
        if (key != 0 && !Find(key)) return key;
    }
}

void CorvelObjectTable::Insert(uint32_t key, CorvelObject* object) {
    uint32_t home = Home(key);
    uint32_t slot = home;
    while (m_keys[slot] != 0) slot = (slot + 1) & m_mask;
    uint32_t displacement = (slot - home) & m_mask;
    if (displacement > m_maxDisplacement) m_maxDisplacement = displacement;
    m_keys[slot] = key;
    m_objects[slot] = object;
    ++m_count;
}

// Both arrays are made before anything changes: without memory for them the
// table stays as it was.
void CorvelObjectTable::Grow() {
    uint32_t oldCapacity = m_mask + 1;
    if (oldCapacity > UINT32_MAX / 2) throw std::bad_alloc();
    uint32_t capacity = oldCapacity * 2;
    std::unique_ptr<uint32_t[]> keys(new uint32_t[capacity]());
    std::unique_ptr<CorvelObject*[]> objects(new CorvelObject*[capacity]());
    uint32_t* oldKeys = m_keys;
    CorvelObject** oldObjects = m_objects;
    m_keys = keys.release();
    m_objects = objects.release();
    m_mask = capacity - 1;
    m_shift = ShiftFor(capacity);
    m_count = 0;
    m_maxDisplacement = 0;
    for (uint32_t slot = 0; slot < oldCapacity; ++slot)
        if (oldKeys[slot] != 0) Insert(oldKeys[slot], oldObjects[slot]);
    delete[] oldKeys;
    delete[] oldObjects;
}

uint32_t CorvelObjectTable::SlotOf(uint32_t key) const {
    for (uint32_t slot = Home(key);; slot = (slot + 1) & m_mask) {
        if (m_keys[slot] == key) return slot;
        if (m_keys[slot] == 0) return m_mask + 1;
    }
}

void CorvelObjectTable::Remove(uint32_t key) {
    if (key == 0) return;
    uint32_t slot = SlotOf(key);
    if (slot > m_mask) return;
    m_objects[slot]->m_key = 0;
    RemoveSlot(slot);
}

// Backward-shift deletion keeps every probe sequence unbroken without
// tombstones. An entry further from the hole than any entry is from its home
// cannot belong in the hole, nor can any entry beyond it.
void CorvelObjectTable::RemoveSlot(uint32_t hole) {
    for (uint32_t slot = (hole + 1) & m_mask; m_keys[slot] != 0 && ((slot - hole) & m_mask) <= m_maxDisplacement;
         slot = (slot + 1) & m_mask) {
        uint32_t home = Home(m_keys[slot]);
        if (((slot - home) & m_mask) >= ((slot - hole) & m_mask)) {
            m_keys[hole] = m_keys[slot];
            m_objects[hole] = m_objects[slot];
            hole = slot;
        }
    }
    m_keys[hole] = 0;
    m_objects[hole] = nullptr;
    --m_count;
    m_removed = true;
}

void CorvelObjectTable::AddRefObject(CorvelObject* object) { object->AddRef(); }

void CorvelObjectTable::ReleaseObject(CorvelObject* object) { object->Release(); }

// Each pass walks the slots and empties every object it finds. Emptying one
// may destroy others, whose removal moves entries back into slots the pass
// has already left; and it may free objects that others no longer hold. So
// passes go on until one removes nothing. The walk needs no memory: a reset
// is how a host cleans up, also after a script has used up all there is.
void CorvelObjectTable::ResetTable() {
    do {
        m_removed = false;
        for (uint32_t slot = 0; slot <= m_mask; ++slot)
            if (CorvelObject* object = m_objects[slot]) ResetOne(object);
    } while (m_removed);
}

// A reset that fails (an array that cannot make its length property again
// when memory is short) leaves that object emptied as far as it got; the
// other objects are still reset.
void CorvelObjectTable::ResetOne(CorvelObject* object) {
    try {
        object->ResetObject();
    } catch (CorvelRuntimeException* exception) {
        delete exception;
    } catch (...) {
    }
}

void CorvelObjectTable::DoRemoveAll() {
    for (uint32_t slot = 0; slot <= m_mask; ++slot) {
        m_keys[slot] = 0;
        m_objects[slot] = nullptr;
    }
    if (m_count) m_removed = true;
    m_count = 0;
    m_maxDisplacement = 0;
}

// Static conveniences on the current environment's table.

uint32_t CorvelObjectTable::AddObject(CorvelObject* object) {
    CorvelObjectTable* table = GetTable();
    return table ? table->Add(object) : 0;
}

void CorvelObjectTable::RemoveObject(uint32_t key) {
    if (CorvelObjectTable* table = GetTable()) table->Remove(key);
}

void CorvelObjectTable::RemoveObject(uint32_t key, const CorvelObject* object) {
    CorvelObjectTable* table = GetTable();
    if (table && table->Find(key) == object) table->Remove(key);
}

void CorvelObjectTable::AddObjectRef(uint32_t key) {
    if (CorvelObjectTable* table = GetTable()) table->AddRef(key);
}

void CorvelObjectTable::ReleaseObjectRef(uint32_t key) {
    if (CorvelObjectTable* table = GetTable()) table->ReleaseRef(key);
}

void CorvelObjectTable::RemoveAll() {
    if (CorvelObjectTable* table = GetTable()) table->DoRemoveAll();
}
