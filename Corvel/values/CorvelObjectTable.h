// CorvelObjectTable: maps object keys to live script objects. Values hold
// keys, never pointers, and count their references through the table, so a
// key whose object has gone is simply not found. The table never owns or
// deletes an object.
#pragma once

#include "CorvelEnvironment.h"

#include <cstdint>

class CorvelObject;

class CorvelObjectTable {
public:
    CorvelObjectTable();
    virtual ~CorvelObjectTable();

    CorvelObjectTable(const CorvelObjectTable&) = delete;
    CorvelObjectTable& operator=(const CorvelObjectTable&) = delete;

    // Stores the object under a fresh key, writes the key into the object and
    // answers it. A key still in use is never handed out again, even after
    // the counter wraps, and 0 never is.
    uint32_t Add(CorvelObject* object);
    // Forgets the key (clearing the object's key) if it is present.
    void Remove(uint32_t key);
    CorvelObject* Find(uint32_t key) const {
        if (key == 0) return nullptr;
        for (uint32_t slot = Home(key);; slot = (slot + 1) & m_mask) {
            uint32_t found = m_keys[slot];
            if (found == key) return m_objects[slot];
            if (found == 0) return nullptr;
        }
    }
    // Counted through the object; keys not present are ignored.
    void AddRef(uint32_t key) {
        if (CorvelObject* object = Find(key)) AddRefObject(object);
    }
    void ReleaseRef(uint32_t key) {
        if (CorvelObject* object = Find(key)) ReleaseObject(object);
    }
    // Empties every registered object, which destroys those kept alive only
    // by other objects' properties, cycles included.
    void ResetTable();

    int GetCount() const { return (int)m_count; }
    uint32_t GetNextKey() const { return m_nextKey; }
    // Where the key counter continues; lets tests reach the wrap-around.
    void SetNextKey(uint32_t key) { m_nextKey = key; }

    // The table of the current environment, or null; every caller treats
    // null as a reason to do nothing.
    static CorvelObjectTable* GetTable() {
        CorvelEnvironment* environment = CorvelEnvironment::Get();
        return environment ? environment->GetObjectTable() : nullptr;
    }
    static uint32_t AddObject(CorvelObject* object);
    static void RemoveObject(uint32_t key);
    // Inline: every read through a value starts here.
    static CorvelObject* FindObject(uint32_t key) {
        CorvelObjectTable* table = GetTable();
        return table ? table->Find(key) : nullptr;
    }
    static void AddObjectRef(uint32_t key);
    static void ReleaseObjectRef(uint32_t key);
    static void RemoveAll();

    // Removes the key only while it still names `object`: an object that
    // outlived its table must not remove a stranger from a newer one.
    static void RemoveObject(uint32_t key, const CorvelObject* object);

protected:
    // Forgets every entry without touching the objects.
    void DoRemoveAll();

private:
    static void AddRefObject(CorvelObject* object);
    static void ReleaseObject(CorvelObject* object);
    static void ResetOne(CorvelObject* object);
    uint32_t SlotOf(uint32_t key) const;
    void RemoveSlot(uint32_t slot);
    void Grow();
    void Insert(uint32_t key, CorvelObject* object);
    uint32_t TakeFreeKey();

    // Open addressing with linear probing. A key's home slot is taken from
    // the high bits of the key times the golden ratio: keys handed out in
    // sequence spread evenly, and the long-lived objects made first (the
    // standard objects) do not form one run of slots that the keys of
    // short-lived objects, homed among them, would have to probe past. Key 0
    // marks a free slot.
    uint32_t Home(uint32_t key) const { return (uint32_t)((uint64_t)(uint32_t)(key * 2654435769u) >> m_shift); }
    uint32_t* m_keys = nullptr;
    CorvelObject** m_objects = nullptr;
    uint32_t m_mask = 0;
    uint32_t m_shift = 32;
    uint32_t m_count = 0;
    // No entry lies further than this from its home slot: a removal stops
    // looking for entries to move back once it is further from the hole.
    uint32_t m_maxDisplacement = 0;
    uint32_t m_nextKey = 1;
    bool m_removed = false;
};
