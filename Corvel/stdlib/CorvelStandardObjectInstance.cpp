#include "CorvelStandardObjectInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardObjectPrototype.h"

#include <typeinfo>

CorvelStandardObjectInstance::CorvelStandardObjectInstance() = default;

CorvelStandardObjectInstance::~CorvelStandardObjectInstance() { SetSpecialPrototype(nullptr); }

CorvelObject* CorvelStandardObjectInstance::Prototype() const {
    if (m_specialPrototype) return m_specialPrototype;
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardObjectPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardObjectInstance::Class() const { return ClassObject; }

// Held throughout: letting go of the prototype may release the object's
// last reference (a prototype that refers back to its heir).
void CorvelStandardObjectInstance::ResetObject() {
    Hold hold(this);
    SetSpecialPrototype(nullptr);
    CorvelStandardInstance::ResetObject();
}

// The new prototype is held before the old one is let go, in case the old
// one holds the last reference to the new.
void CorvelStandardObjectInstance::SetSpecialPrototype(CorvelObject* prototype) {
    if (prototype) prototype->AddRef();
    CorvelObject* previous = m_specialPrototype;
    m_specialPrototype = prototype;
    if (previous) previous->Release();
}

void CorvelStandardObjectInstance::PutHashed(const CorvelPropertyStore::Name& key, const CorvelValue& value) {
    if (typeid(*this) == typeid(CorvelStandardObjectInstance))
        PutByStore(key, value);
    else
        Put(key.text, value);
}

bool CorvelStandardObjectInstance::CanPutHashed(const CorvelPropertyStore::Name& key) const {
    if (typeid(*this) == typeid(CorvelStandardObjectInstance)) return CanPutByStore(key);
    return CanPut(key.text);
}
