// CorvelObject: the base of every script object. It owns the object's own
// properties, implements the language's internal operations as virtual
// functions, follows the prototype chain, counts references, registers in
// the object table under a key and hands out property enumerators.
#pragma once

#include "CorvelElementStore.h"
#include "CorvelPropertyStore.h"
#include "CorvelStatus.h"
#include "CorvelValue.h"
#include "QelString.h"

#include <cstdint>
#include <vector>

class CorvelExecutionContext;

class CorvelObject {
public:
    // The low four bits give the kind; for standard objects (kind 3) the
    // upper bits give the standard class.
    enum ClassType : int {
        KindMask = 0x0F,
        KindGlobal = 1,
        KindActivation = 2,
        KindStandard = 3,
        KindExtension = 4,
        KindBuiltIn = 5,

        StandardObject = 0x10,
        StandardFunction = 0x20,
        StandardArray = 0x30,
        StandardString = 0x40,
        StandardBoolean = 0x50,
        StandardNumber = 0x60,
        StandardMath = 0x70,
        StandardDate = 0x80,
        StandardDebug = 0x800,

        ClassUnknown = 0x10,
        ClassGlobal = KindGlobal,
        ClassActivation = KindActivation,
        ClassBuiltInObject = KindBuiltIn,
        ClassObject = StandardObject | KindStandard,      // 0x13
        ClassFunction = StandardFunction | KindStandard,  // 0x23
        ClassArray = StandardArray | KindStandard,        // 0x33
        ClassString = StandardString | KindStandard,      // 0x43
        ClassBoolean = StandardBoolean | KindStandard,    // 0x53
        ClassNumber = StandardNumber | KindStandard,      // 0x63
        ClassMath = StandardMath | KindStandard,          // 0x73
        ClassDate = StandardDate | KindStandard,          // 0x83
        ClassDebug = StandardDebug | KindExtension,       // 0x804
        ClassBuiltInFunction = StandardDebug | KindBuiltIn,  // 0x805
    };

    // Opaque handle of an open enumeration; owned by the object that made it.
    class PropertyEnumerator {
    public:
        virtual ~PropertyEnumerator() = default;
    };

    // Walks the own properties in bucket order, then those of each object
    // along the prototype chain in turn. The chain is walked in a loop, one
    // link open at a time, so that its length costs no machine stack. An
    // object that keeps elements densely has them merged into each bucket
    // by their insertion numbers, as if they were entries of the store.
    class BasicPropertyEnumerator : public PropertyEnumerator {
    public:
        ~BasicPropertyEnumerator() override;

    private:
        friend class CorvelObject;
        // The next name comes after `after` in bucket `bucket` (from the
        // bucket's start when `after` is null); bucket 11: own names done.
        int bucket = 0;
        CorvelPropertyStore::Entry* after = nullptr;
        // Entries numbered from here on were added after the enumeration
        // began and are passed over: a loop that deletes and adds again the
        // name it visits would otherwise meet it again and again.
        uint32_t limit = 0;
        // The link of the chain being enumerated (held while remembered)
        // and its enumeration of its own names.
        CorvelObject* prototype = nullptr;
        PropertyEnumerator* prototypeEnumerator = nullptr;
        bool prototypeReached = false;
        bool prototypeHeld = false;
        // Set on the enumerations of the links: the heir walks the chain.
        bool ownOnly = false;
        // The dense elements present when the walk reached them, ordered by
        // bucket and insertion number; `nextElement` is the next to consider.
        // Each is checked again before it is answered, so one removed (or
        // removed and stored again) meanwhile is passed over.
        struct ElementMark {
            uint32_t bucket;
            uint32_t sequence;
            uint32_t index;
        };
        std::vector<ElementMark, CorvelBudgetAllocator<ElementMark>> elements;
        size_t nextElement = 0;
        bool elementsMarked = false;
        // The text of the last element answered.
        char elementName[16];
        // A link whose enumeration is not of this kind walks on by itself,
        // so the chain ends with it.
        bool chainEnds = false;
    };

    explicit CorvelObject(bool registerNow);
    virtual ~CorvelObject();

    // Objects count against the environment's memory budget.
    static void* operator new(size_t size);
    static void operator delete(void* memory, size_t size);

    virtual void AddRef();
    // Destroys the object when the count falls from 1 to 0.
    virtual void Release();
    // Registers the object if it has no key (it keeps 0 without a table).
    virtual void AddObjectToTable();
    virtual CorvelObject* Prototype() const;
    virtual ClassType Class() const;
    // The primitive the object holds.
    virtual const CorvelValue& Value() const;
    // The returned reference lives until the property is removed or
    // replaced; copy it before changing the object. Get, HasProperty and
    // CanPut walk the prototype chain in a loop, asking each object for its
    // own property through FindOwn, so a chain of any length is safe.
    virtual const CorvelValue& Get(const char* name) const;
    // Takes type, payload and attributes from `value`. Consults the own
    // ReadOnly flag and the prototype chain's CanPut; a class that overrides
    // CanPut overrides Put as well.
    virtual void Put(const char* name, const CorvelValue& value);
    virtual bool CanPut(const char* name) const;
    // Put and CanPut of a name already hashed: by name unless a class knows
    // its Put and CanPut are these (see PutByStore).
    virtual void PutHashed(const CorvelPropertyStore::Name& key, const CorvelValue& value) { Put(key.text, value); }
    virtual bool CanPutHashed(const CorvelPropertyStore::Name& key) const { return CanPut(key.text); }
    virtual bool HasProperty(const char* name) const;
    virtual bool Delete(const char* name);
    // Calls valueOf and toString (toString first for hint String) until one
    // gives a primitive; raises 1023 when neither does.
    virtual void DefaultValue(CorvelValue& result, int hint) const;
    virtual CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    virtual CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    virtual PropertyEnumerator* BeginPropertyEnumeration();
    // The next name, or null when the enumeration is over; then the handle
    // has been deleted and is set to null. The name stays valid until the
    // next call on the handle or a change to the object that owns it.
    virtual const char* GetNextPropertyName(PropertyEnumerator*& enumerator);
    virtual void SetupObject();
    // Removes every own property.
    virtual void ResetObject();

    // Get and HasProperty for a name hashed in advance (the names of the
    // script text are hashed once, when parsed). They walk the chain through
    // FindOwn exactly as the base Get and HasProperty do; a class that
    // overrides those two answers the same through FindOwn.
    const CorvelValue& GetHashed(const CorvelPropertyStore::Name& key) const { return GetProperty(key, key.text); }
    bool HasPropertyHashed(const CorvelPropertyStore::Name& key) const;
    // Get's walk, answering null where Get answers undefined for a missing
    // name: one walk both asks whether the name is there and reads it.
    const CorvelValue* FindHashed(const CorvelPropertyStore::Name& key) const;

    // Get of an array index. Where the object keeps the element densely it
    // is answered without making the index's text; otherwise as Get.
    const CorvelValue& GetElement(uint32_t index) const;
    // Put of an array index; Put of its text unless a class knows better.
    virtual void PutElement(uint32_t index, const CorvelValue& value);

    // Whether the object may have an own property named by an array index,
    // so that an array adding an element must ask it (through CanPut)
    // whether the element may be stored. The base class cannot tell what a
    // derived class answers beyond the store; a class whose FindOwn answers
    // only from the store, or only names that are no indexes beyond it,
    // answers HasStoredIndexNames().
    virtual bool MayHaveIndexNames() const { return true; }
    // Whether this object or any object along its prototype chain may.
    bool ChainMayHaveIndexNames() const;

    // Ends an enumeration before it is exhausted and deletes the handle
    // (sets it to null); a handle this object does not know is left alone.
    void EndPropertyEnumeration(PropertyEnumerator*& enumerator);

    // The key, registering the object first if it has none.
    uint32_t GetKey() {
        if (m_key == 0) AddObjectToTable();
        return m_key;
    }
    int GetReferenceCount() const { return m_referenceCount; }
    // Own properties, dense elements included.
    int GetPropertyCount() const {
        return m_properties.GetCount() + (m_elements ? (int)m_elements->GetCount() : 0);
    }

    static QelString GetClassName(int classType);

protected:
    // Keeps an object alive while an operation may drop its last reference
    // (a reset releases the properties that may hold it). An unreferenced
    // object is not held, as releasing it again would destroy it.
    class Hold {
    public:
        explicit Hold(CorvelObject* object) : m_object(object->m_referenceCount > 0 ? object : nullptr) {
            if (m_object) m_object->AddRef();
        }
        ~Hold() {
            if (m_object) m_object->Release();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        CorvelObject* m_object;
    };

    virtual void DestroyObject();
    // Whether the object is as it was made: never named by a value (no
    // key), no properties, elements or enumerations, not waiting to end.
    bool IsAsMade() const {
        return m_key == 0 && m_properties.IsEmpty() && !m_elements && !m_enumerators && !m_destructionQueued &&
               !m_storedDigitNames;
    }

    // The own property `name` (hashed as `key`), or null: the one step of
    // the prototype walks. A class whose own properties are not all in the
    // store (made on first read, or standing for another object's) overrides
    // this rather than Get, HasProperty or CanPut. With `make` false the walk
    // only asks whether the property is there and whether it is ReadOnly:
    // a property that would be made on first read may be answered by a
    // stand-in without attributes instead.
    virtual const CorvelValue* FindOwn(const CorvelPropertyStore::Name& key, const char* name, bool make) const;
    // What this class's Put and CanPut do, for a name already hashed.
    void PutByStore(const CorvelPropertyStore::Name& key, const CorvelValue& value);
    bool CanPutByStore(const CorvelPropertyStore::Name& key) const;
    // The prototype walk of Get for a name already hashed.
    const CorvelValue& GetProperty(const CorvelPropertyStore::Name& key, const char* name) const;
    // Removes an own property whatever its attributes; false if absent.
    bool RemoveProperty(const char* name);
    // The own property, or null.
    const CorvelValue* FindOwnProperty(const char* name) const;
    const CorvelValue* FindOwnProperty(const CorvelPropertyStore::Name& name) const;
    // Adds or replaces an own property with the given attributes, without
    // consulting CanPut; answers the stored value.
    const CorvelValue& SetOwnProperty(const char* name, const CorvelValue& value, int attributes);
    const CorvelValue& SetOwnProperty(const CorvelPropertyStore::Name& name, const CorvelValue& value,
                                      int attributes);

    // From now on elements from index 0 up to a little past the last one are
    // kept in slots indexed by number instead of as named entries (arrays
    // call it before anything is stored). Every operation on own properties
    // answers for them exactly as for named ones.
    void KeepElementsDensely();
    // True once a name beginning with a digit was stored by name.
    bool HasStoredIndexNames() const { return m_storedDigitNames; }
    // The own property, elements included, or null; to be written only as
    // SetOwnProperty writes it.
    CorvelValue* FindOwnValue(const CorvelPropertyStore::Name& name) const {
        if (m_elements) return FindOwnValueOrElement(name);
        CorvelPropertyStore::Entry* entry = m_properties.Find(name);
        return entry ? &entry->value : nullptr;
    }
    // The own named property (elements aside) and the count that tells
    // whether its address is still good (see CorvelPropertyStore).
    CorvelPropertyStore::Entry* FindOwnEntry(const CorvelPropertyStore::Name& name) const {
        return m_properties.Find(name);
    }
    uint32_t GetPropertyUnlinkCount() const { return m_properties.GetUnlinkCount(); }
    // The sequence number the next own property will get: it changes with
    // every property added.
    uint32_t GetNextPropertySequence() const { return m_properties.GetNextSequence(); }
    // Adds an own property the caller knows is not there yet.
    const CorvelValue& AddNewOwnProperty(const CorvelPropertyStore::Name& name, const CorvelValue& value,
                                         int attributes) {
        return AddOwnProperty(name, value, attributes);
    }
    // The own element kept densely at `index`, or null.
    CorvelValue* FindDenseElement(uint32_t index) { return m_elements ? m_elements->Find(index) : nullptr; }
    // Whether a new element at `index` would be kept densely, with no
    // element of that index stored by name: then AddDenseElement adds it.
    bool CanAddDenseElement(uint32_t index) const {
        return m_elements && !m_elements->Find(index) && !m_elements->MayHaveNamedElements() &&
               m_elements->Reaches(index);
    }
    // Adds the element (see CanAddDenseElement) with the value's attributes.
    void AddDenseElement(uint32_t index, const CorvelValue& value);
    // Removes the dense elements from `end` on. False when no element with
    // a higher index can be stored as a named property, so nothing remains
    // to be looked for among the named ones.
    bool TruncateDenseElements(uint32_t end);

private:
    friend class CorvelObjectTable;

    bool IsOpenEnumerator(PropertyEnumerator* enumerator) const;
    void ForgetEnumerator(PropertyEnumerator* enumerator);
    void MoveEnumeratorsOffEntry(CorvelPropertyStore::Entry* entry);
    void ExhaustOwnEnumeration();
    void DeleteAllEnumerators();
    void RemoveEntry(CorvelPropertyStore::Entry* entry);
    CorvelValue* FindOwnValueOrElement(const CorvelPropertyStore::Name& name) const;
    // Adds an own property that is not there yet: a dense element when its
    // index is within reach, else an entry of the store.
    const CorvelValue& AddOwnProperty(const CorvelPropertyStore::Name& name, const CorvelValue& value,
                                      int attributes);
    // Whether `name` is an index the object keeps densely or may keep so.
    bool IsDenseIndex(const CorvelPropertyStore::Name& name, uint32_t& index) const {
        return m_elements && name.text[0] >= '0' && name.text[0] <= '9' &&
               CorvelElementStore::ParseIndex(name.text, index);
    }
    // The insertion number of a new dense element, from the store's
    // counter. Once in four billion insertions the store numbers its entries
    // afresh; the dense elements are then numbered after them (their order
    // among the named properties of their bucket changes, but none is lost
    // to an enumeration's limit), and the new one after those.
    uint32_t TakeElementSequence();
    void RenumberElements();
    void MarkElements(BasicPropertyEnumerator* enumerator) const;
    const char* NextElementName(BasicPropertyEnumerator* enumerator, const CorvelPropertyStore::Entry* entry);
    const char* NextOwnName(BasicPropertyEnumerator* enumerator);
    const char* NextPrototypeName(BasicPropertyEnumerator* enumerator);
    // Makes `link` the link being enumerated, letting the previous one go.
    static void EnumerateLink(BasicPropertyEnumerator* enumerator, CorvelObject* link);
    bool CallConversion(const CorvelPropertyStore::Name& name, CorvelValue& result) const;
    static void DestroyEntries(CorvelPropertyStore::Entry* chain);
    void Dequeue();

    int32_t m_referenceCount = 0;
    uint32_t m_key = 0;
    bool m_destructionQueued = false;
    bool m_storedDigitNames = false;
    CorvelObject* m_nextQueued = nullptr;
    CorvelPropertyStore m_properties;
    // Only arrays keep elements densely; null for every other object.
    CorvelElementStore* m_elements = nullptr;
    std::vector<PropertyEnumerator*>* m_enumerators = nullptr;
};
