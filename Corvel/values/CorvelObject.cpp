#include "CorvelObject.h"

#include "CorvelMemoryBudget.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"

#include <algorithm>
#include <memory>

typedef CorvelPropertyStore::Entry Entry;
typedef CorvelPropertyStore::Name Name;

namespace {

// Objects whose count fell to 0 while another object was being destroyed.
// Destroying them one after another instead of inside each other keeps a
// long chain of objects (a linked list built by a script) from exhausting
// the machine stack. The queue is linked through the objects themselves:
// destruction must not need memory, least of all when a script has used
// it all up. It holds objects only while one Release on this thread is
// destroying, so it belongs to the thread: hosts on other threads destroy
// their own objects at the same time.
thread_local bool g_destroying = false;
thread_local CorvelObject* g_destructionQueue = nullptr;

const char* NameOfStandardClass(int classType) {
    switch (classType & ~CorvelObject::KindMask) {
        case CorvelObject::StandardObject: return "Object";
        case CorvelObject::StandardFunction: return "Function";
        case CorvelObject::StandardArray: return "Array";
        case CorvelObject::StandardString: return "String";
        case CorvelObject::StandardBoolean: return "Boolean";
        case CorvelObject::StandardNumber: return "Number";
        case CorvelObject::StandardMath: return "Math";
        case CorvelObject::StandardDate: return "Date";
        case CorvelObject::StandardDebug: return "Debug";
        default: return "Unknown Standard";
    }
}

}  // namespace

CorvelObject::BasicPropertyEnumerator::~BasicPropertyEnumerator() {
    if (!prototype) return;
    prototype->EndPropertyEnumeration(prototypeEnumerator);
    if (prototypeHeld) prototype->Release();
}

CorvelObject::CorvelObject(bool registerNow) {
    if (registerNow) AddObjectToTable();
}

// The key goes first: releasing the properties may end objects that refer
// back to this one, and they must not find it any more.
CorvelObject::~CorvelObject() {
    if (m_destructionQueued) Dequeue();
    if (m_key) CorvelObjectTable::RemoveObject(m_key, this);
    m_key = 0;
    if (m_enumerators) DeleteAllEnumerators();
    if (CorvelPropertyStore::Entry* entries = m_properties.UnlinkAll()) DestroyEntries(entries);
    if (m_elements) delete m_elements;
    m_elements = nullptr;
}

// Reference counting.

void CorvelObject::AddRef() { ++m_referenceCount; }

void CorvelObject::Release() {
    if (--m_referenceCount != 0 || m_destructionQueued) return;
    if (g_destroying) {
        m_destructionQueued = true;
        m_nextQueued = g_destructionQueue;
        g_destructionQueue = this;
        return;
    }
    g_destroying = true;
    DestroyObject();
    while (CorvelObject* object = g_destructionQueue) {
        g_destructionQueue = object->m_nextQueued;
        object->m_nextQueued = nullptr;
        object->m_destructionQueued = false;
        if (object->m_referenceCount == 0) object->DestroyObject();
    }
    g_destroying = false;
}

// An object deleted by its owner while it waits in the queue leaves it.
void CorvelObject::Dequeue() {
    CorvelObject** link = &g_destructionQueue;
    while (*link && *link != this) link = &(*link)->m_nextQueued;
    if (*link) *link = m_nextQueued;
    m_nextQueued = nullptr;
    m_destructionQueued = false;
}

void CorvelObject::DestroyObject() { delete this; }

void CorvelObject::AddObjectToTable() {
    if (m_key == 0) CorvelObjectTable::AddObject(this);
}

// Identity.

CorvelObject* CorvelObject::Prototype() const { return nullptr; }

CorvelObject::ClassType CorvelObject::Class() const { return ClassUnknown; }

const CorvelValue& CorvelObject::Value() const { return CorvelValue::ms_null; }

QelString CorvelObject::GetClassName(int classType) {
    switch (classType & KindMask) {
        case KindGlobal: return "Global";
        case KindActivation: return "Activation";
        case KindStandard: return NameOfStandardClass(classType);
        case KindExtension: return "Extension";
        case KindBuiltIn: return "BuiltIn";
        default: return "Unknown";
    }
}

// Properties.

const CorvelValue* CorvelObject::FindOwn(const Name& key, const char*, bool) const { return FindOwnValue(key); }

// An index that is not among the dense elements is looked for among the
// named properties only when some element was ever stored there.
CorvelValue* CorvelObject::FindOwnValueOrElement(const Name& key) const {
    uint32_t index;
    if (IsDenseIndex(key, index)) {
        if (CorvelValue* element = m_elements->Find(index)) return element;
        if (!m_elements->MayHaveNamedElements()) return nullptr;
    }
    Entry* entry = m_properties.Find(key);
    return entry ? &entry->value : nullptr;
}

const CorvelValue& CorvelObject::GetElement(uint32_t index) const {
    if (m_elements)
        if (const CorvelValue* element = m_elements->Find(index)) return *element;
    char buffer[16];
    return Get(CorvelElementStore::FormatIndex(index, buffer));
}

void CorvelObject::PutElement(uint32_t index, const CorvelValue& value) {
    char buffer[16];
    Put(CorvelElementStore::FormatIndex(index, buffer), value);
}

const CorvelValue& CorvelObject::Get(const char* name) const { return GetProperty(Name(name), name); }

const CorvelValue& CorvelObject::GetProperty(const Name& key, const char* name) const {
    for (const CorvelObject* object = this; object; object = object->Prototype())
        if (const CorvelValue* value = object->FindOwn(key, name, true)) return *value;
    return CorvelValue::ms_undefined;
}

const CorvelValue* CorvelObject::FindHashed(const Name& key) const {
    for (const CorvelObject* object = this; object; object = object->Prototype())
        if (const CorvelValue* value = object->FindOwn(key, key.text, true)) return value;
    return nullptr;
}

void CorvelObject::Put(const char* name, const CorvelValue& value) { PutByStore(Name(name), value); }

bool CorvelObject::CanPut(const char* name) const { return CanPutByStore(Name(name)); }

void CorvelObject::PutByStore(const Name& key, const CorvelValue& value) {
    if (CorvelValue* own = FindOwnValue(key)) {
        if (!(own->GetAttributes() & CorvelValue::ReadOnly)) own->Assign(value);
        return;
    }
    const CorvelObject* prototype = Prototype();
    if (prototype && !prototype->CanPutHashed(key)) return;
    AddOwnProperty(key, value, value.GetAttributes());
}

bool CorvelObject::CanPutByStore(const Name& key) const {
    for (const CorvelObject* object = this; object; object = object->Prototype())
        if (const CorvelValue* value = object->FindOwn(key, key.text, false))
            return !(value->GetAttributes() & CorvelValue::ReadOnly);
    return true;
}

bool CorvelObject::HasProperty(const char* name) const { return HasPropertyHashed(Name(name)); }

bool CorvelObject::HasPropertyHashed(const Name& key) const {
    for (const CorvelObject* object = this; object; object = object->Prototype())
        if (object->FindOwn(key, key.text, false)) return true;
    return false;
}

// A removed element's value is released only after it has left its slot.
bool CorvelObject::Delete(const char* name) {
    Name key(name);
    uint32_t index;
    if (IsDenseIndex(key, index)) {
        if (const CorvelValue* element = m_elements->Find(index)) {
            if (element->GetAttributes() & CorvelValue::DontDelete) return false;
            CorvelValue removed;
            m_elements->Remove(index, removed);
            return true;
        }
        if (!m_elements->MayHaveNamedElements()) return true;
    }
    Entry* entry = m_properties.Find(key);
    if (!entry) return true;
    if (entry->value.GetAttributes() & CorvelValue::DontDelete) return false;
    RemoveEntry(entry);
    return true;
}

bool CorvelObject::RemoveProperty(const char* name) {
    Name key(name);
    uint32_t index;
    if (IsDenseIndex(key, index)) {
        CorvelValue removed;
        if (m_elements->Remove(index, removed)) return true;
        if (!m_elements->MayHaveNamedElements()) return false;
    }
    Entry* entry = m_properties.Find(key);
    if (!entry) return false;
    RemoveEntry(entry);
    return true;
}

const CorvelValue* CorvelObject::FindOwnProperty(const char* name) const { return FindOwnProperty(Name(name)); }

const CorvelValue* CorvelObject::FindOwnProperty(const Name& name) const { return FindOwnValue(name); }

const CorvelValue& CorvelObject::SetOwnProperty(const char* name, const CorvelValue& value, int attributes) {
    return SetOwnProperty(Name(name), value, attributes);
}

const CorvelValue& CorvelObject::SetOwnProperty(const Name& name, const CorvelValue& value, int attributes) {
    if (CorvelValue* own = FindOwnValue(name)) {
        *own = value;
        own->SetAttributes(attributes);
        return *own;
    }
    return AddOwnProperty(name, value, attributes);
}

const CorvelValue& CorvelObject::AddOwnProperty(const Name& name, const CorvelValue& value, int attributes) {
    uint32_t index;
    if (IsDenseIndex(name, index)) {
        if (m_elements->Reaches(index)) return m_elements->Add(index, value, attributes, TakeElementSequence());
        m_elements->NoteNamedElement();
    }
    if (name.text[0] >= '0' && name.text[0] <= '9') m_storedDigitNames = true;
    bool renumbers = m_properties.GetNextSequence() == UINT32_MAX;
    Entry* entry = m_properties.Insert(name, value);
    entry->value.SetAttributes(attributes);
    if (renumbers && m_elements) RenumberElements();
    return entry->value;
}

void CorvelObject::AddDenseElement(uint32_t index, const CorvelValue& value) {
    m_elements->Add(index, value, value.GetAttributes(), TakeElementSequence());
}

uint32_t CorvelObject::TakeElementSequence() {
    bool renumbers = m_properties.GetNextSequence() == UINT32_MAX;
    uint32_t sequence = m_properties.TakeSequence();
    if (!renumbers) return sequence;
    RenumberElements();
    return m_properties.TakeSequence();
}

bool CorvelObject::ChainMayHaveIndexNames() const {
    for (const CorvelObject* object = this; object; object = object->Prototype())
        if (object->MayHaveIndexNames()) return true;
    return false;
}

void CorvelObject::RenumberElements() {
    m_elements->Renumber([this] { return m_properties.TakeSequence(); });
}

void CorvelObject::KeepElementsDensely() {
    if (!m_elements) m_elements = new CorvelElementStore;
}

bool CorvelObject::TruncateDenseElements(uint32_t end) {
    if (!m_elements) return true;
    m_elements->TruncateTo(end);
    return m_elements->MayHaveNamedElements();
}

// The entry leaves the store before its value is released, so whatever that
// release sets off sees a consistent object.
void CorvelObject::RemoveEntry(Entry* entry) {
    MoveEnumeratorsOffEntry(entry);
    m_properties.Unlink(entry);
    CorvelPropertyStore::DestroyEntry(entry);
}

void CorvelObject::DestroyEntries(Entry* chain) {
    while (chain) {
        Entry* next = chain->next;
        CorvelPropertyStore::DestroyEntry(chain);
        chain = next;
    }
}

void CorvelObject::ResetObject() {
    Hold hold(this);
    ExhaustOwnEnumeration();
    DestroyEntries(m_properties.UnlinkAll());
    if (m_elements) m_elements->Clear();
}

void CorvelObject::SetupObject() {}

// Conversion and calls.

void CorvelObject::DefaultValue(CorvelValue& result, int hint) const {
    static const Name kToString("toString");
    static const Name kValueOf("valueOf");
    bool stringFirst = hint == CorvelValue::String;
    if (CallConversion(stringFirst ? kToString : kValueOf, result)) return;
    if (CallConversion(stringFirst ? kValueOf : kToString, result)) return;
    CorvelRuntimeException::Raise(CorvelMessages::DefaultValueFailed);
}

// False when the method is missing or gave back an object. The copy of the
// method value keeps the function alive even if the call removes it.
bool CorvelObject::CallConversion(const Name& name, CorvelValue& result) const {
    CorvelValue method(GetHashed(name));
    if (method.GetType() != CorvelValue::Object) return false;
    CorvelObject* function = method.ForceGetObject();
    if (!function) {
        // Nothing to call: like a call that delivers no result.
        result.SetUndefined();
        return true;
    }
    CorvelSession::CallFunction(function, nullptr, 0, const_cast<CorvelObject*>(this), nullptr, &result);
    CorvelValue::Type type = result.GetType();
    return type != CorvelValue::Object && type != CorvelValue::Reference;
}

CorvelStatus CorvelObject::Construct(CorvelExecutionContext*, CorvelValue*, int, const CorvelValue&) {
    return CorvelStatus::Normal;
}

CorvelStatus CorvelObject::Call(CorvelExecutionContext*, CorvelValue*, int, const CorvelValue&) {
    return CorvelStatus::Normal;
}

// Enumeration.

CorvelObject::PropertyEnumerator* CorvelObject::BeginPropertyEnumeration() {
    if (!m_enumerators) m_enumerators = new std::vector<PropertyEnumerator*>;
    std::unique_ptr<BasicPropertyEnumerator> enumerator(new BasicPropertyEnumerator);
    enumerator->limit = m_properties.GetNextSequence();
    if (GetPropertyCount() == 0) enumerator->bucket = CorvelPropertyStore::BucketCount;
    m_enumerators->push_back(enumerator.get());
    return enumerator.release();
}

const char* CorvelObject::GetNextPropertyName(PropertyEnumerator*& enumerator) {
    if (!IsOpenEnumerator(enumerator)) return nullptr;
    BasicPropertyEnumerator* basic = dynamic_cast<BasicPropertyEnumerator*>(enumerator);
    if (!basic) return nullptr;
    if (const char* name = NextOwnName(basic)) return name;
    if (!basic->ownOnly)
        if (const char* name = NextPrototypeName(basic)) return name;
    // Nothing may touch this object after the handle is deleted: letting go
    // of the prototype can end the last holder of this object.
    PropertyEnumerator* finished = enumerator;
    enumerator = nullptr;
    ForgetEnumerator(finished);
    return nullptr;
}

void CorvelObject::EndPropertyEnumeration(PropertyEnumerator*& enumerator) {
    if (!IsOpenEnumerator(enumerator)) return;
    PropertyEnumerator* finished = enumerator;
    enumerator = nullptr;
    ForgetEnumerator(finished);
}

const char* CorvelObject::NextOwnName(BasicPropertyEnumerator* enumerator) {
    if (m_elements && !enumerator->elementsMarked && enumerator->bucket < CorvelPropertyStore::BucketCount)
        MarkElements(enumerator);
    while (enumerator->bucket < CorvelPropertyStore::BucketCount) {
        Entry* next = enumerator->after ? enumerator->after->next : m_properties.First(enumerator->bucket);
        if (next && next->sequence >= enumerator->limit) {
            enumerator->after = next;
            continue;
        }
        if (const char* element = NextElementName(enumerator, next)) return element;
        if (next) {
            enumerator->after = next;
            return next->GetName();
        }
        ++enumerator->bucket;
        enumerator->after = nullptr;
    }
    return nullptr;
}

// The dense elements older than the enumeration, in the order their
// entries would have in the store's buckets.
void CorvelObject::MarkElements(BasicPropertyEnumerator* enumerator) const {
    typedef BasicPropertyEnumerator::ElementMark Mark;
    enumerator->elements.clear();
    enumerator->elements.reserve(m_elements->GetCount());
    for (uint32_t index = 0; index < m_elements->GetEnd(); ++index) {
        uint32_t sequence = m_elements->SequenceOf(index);
        if (sequence < enumerator->limit)
            enumerator->elements.push_back(Mark{(uint32_t)CorvelElementStore::BucketOf(index), sequence, index});
    }
    std::sort(enumerator->elements.begin(), enumerator->elements.end(), [](const Mark& x, const Mark& y) {
        return x.bucket != y.bucket ? x.bucket < y.bucket : x.sequence < y.sequence;
    });
    enumerator->nextElement = 0;
    enumerator->elementsMarked = true;
}

// The name of the next element of the current bucket when it comes before
// `entry` (the store's next candidate, if any), else null.
const char* CorvelObject::NextElementName(BasicPropertyEnumerator* enumerator, const Entry* entry) {
    auto& marks = enumerator->elements;
    uint32_t bucket = (uint32_t)enumerator->bucket;
    while (enumerator->nextElement < marks.size()) {
        const BasicPropertyEnumerator::ElementMark& mark = marks[enumerator->nextElement];
        if (mark.bucket > bucket) return nullptr;
        if (mark.bucket < bucket || !m_elements || m_elements->SequenceOf(mark.index) != mark.sequence) {
            ++enumerator->nextElement;
            continue;
        }
        if (entry && entry->sequence < mark.sequence) return nullptr;
        ++enumerator->nextElement;
        return CorvelElementStore::FormatIndex(mark.index, enumerator->elementName);
    }
    return nullptr;
}

const char* CorvelObject::NextPrototypeName(BasicPropertyEnumerator* enumerator) {
    for (;;) {
        if (enumerator->prototypeEnumerator) {
            const char* name = enumerator->prototype->GetNextPropertyName(enumerator->prototypeEnumerator);
            if (name) return name;
        }
        if (enumerator->chainEnds || (enumerator->prototypeReached && !enumerator->prototype)) return nullptr;
        const CorvelObject* from = enumerator->prototypeReached ? enumerator->prototype : this;
        enumerator->prototypeReached = true;
        EnumerateLink(enumerator, from->Prototype());
        CorvelObject* link = enumerator->prototype;
        if (!link) return nullptr;
        enumerator->prototypeEnumerator = link->BeginPropertyEnumeration();
        if (BasicPropertyEnumerator* basic = dynamic_cast<BasicPropertyEnumerator*>(enumerator->prototypeEnumerator))
            basic->ownOnly = true;
        else
            enumerator->chainEnds = true;
    }
}

// The new link is held before the old one goes, which may hold the last
// reference to it. A link is held so that it outlives the enumeration even
// if the chain lets go of it meanwhile; an unreferenced object is not held,
// as releasing it again would destroy it.
void CorvelObject::EnumerateLink(BasicPropertyEnumerator* enumerator, CorvelObject* link) {
    bool hold = link && link->m_referenceCount > 0;
    if (hold) link->AddRef();
    CorvelObject* previous = enumerator->prototype;
    bool previousHeld = enumerator->prototypeHeld;
    if (previous) previous->EndPropertyEnumeration(enumerator->prototypeEnumerator);
    enumerator->prototype = link;
    enumerator->prototypeHeld = hold;
    if (previousHeld) previous->Release();
}

bool CorvelObject::IsOpenEnumerator(PropertyEnumerator* enumerator) const {
    if (!m_enumerators || !enumerator) return false;
    return std::find(m_enumerators->begin(), m_enumerators->end(), enumerator) != m_enumerators->end();
}

void CorvelObject::ForgetEnumerator(PropertyEnumerator* enumerator) {
    m_enumerators->erase(std::find(m_enumerators->begin(), m_enumerators->end(), enumerator));
    delete enumerator;
}

// An enumerator standing on a removed entry steps back to the entry before
// it (or the bucket's start), so it continues with the entry after it.
void CorvelObject::MoveEnumeratorsOffEntry(Entry* entry) {
    if (!m_enumerators) return;
    for (PropertyEnumerator* open : *m_enumerators) {
        BasicPropertyEnumerator* basic = dynamic_cast<BasicPropertyEnumerator*>(open);
        if (!basic || basic->after != entry) continue;
        bool first = m_properties.First((int)entry->bucket) == entry;
        basic->after = first ? nullptr : entry->previous;
    }
}

void CorvelObject::ExhaustOwnEnumeration() {
    if (!m_enumerators) return;
    for (PropertyEnumerator* open : *m_enumerators) {
        BasicPropertyEnumerator* basic = dynamic_cast<BasicPropertyEnumerator*>(open);
        if (!basic) continue;
        basic->bucket = CorvelPropertyStore::BucketCount;
        basic->after = nullptr;
    }
}

void CorvelObject::DeleteAllEnumerators() {
    std::vector<PropertyEnumerator*>* enumerators = m_enumerators;
    m_enumerators = nullptr;
    if (!enumerators) return;
    for (PropertyEnumerator* enumerator : *enumerators) delete enumerator;
    delete enumerators;
}

void* CorvelObject::operator new(size_t size) { return CorvelMemoryBudget::Allocate(size); }

void CorvelObject::operator delete(void* memory, size_t size) { CorvelMemoryBudget::Free(memory, size); }
