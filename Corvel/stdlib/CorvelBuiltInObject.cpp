#include "CorvelBuiltInObject.h"

#include <cstring>

typedef CorvelPropertyStore::Name Name;

CorvelBuiltInObject::CorvelBuiltInObject(bool registerNow) : CorvelObject(registerNow) {}

CorvelObject::ClassType CorvelBuiltInObject::Class() const { return ClassBuiltInObject; }

const CorvelValue& CorvelBuiltInObject::Value() const { return CorvelValue::ms_undefined; }

// A method already read is the cached property (or whatever a script stored
// there since); otherwise it is wrapped now.
const CorvelValue* CorvelBuiltInObject::FindOwn(const Name& key, const char* name, bool make) const {
    if (const CorvelValue* own = CorvelObject::FindOwn(key, name, make)) return own;
    const Method* method = FindMethod(key);
    if (!method) return nullptr;
    return make ? &Materialise(key, *method) : &CorvelValue::ms_undefined;
}

// The cache is stored directly rather than through Put: a ReadOnly property
// of the same name further up the chain must not make every read wrap the
// method again.
const CorvelValue& CorvelBuiltInObject::Materialise(const Name& name, const Method& method) const {
    CorvelValue function;
    function.SetNewObject(new CorvelBuiltInFunction(method.function));
    CorvelBuiltInObject* self = const_cast<CorvelBuiltInObject*>(this);
    return self->SetOwnProperty(name, function, CorvelValue::DontEnum);
}

// Every method becomes a property first, in the order of the property
// buckets, so methods enumerate like other properties.
CorvelObject::PropertyEnumerator* CorvelBuiltInObject::BeginPropertyEnumeration() {
    for (uint32_t bucket = 0; bucket < (uint32_t)CorvelPropertyStore::BucketCount; ++bucket)
        for (const Method& method : m_methods)
            if (method.bucket == bucket) Get(method.name.GetText());
    return CorvelObject::BeginPropertyEnumeration();
}

CorvelNativeFunction CorvelBuiltInObject::FindMethod(const char* name) const {
    const Method* method = FindMethod(Name(name));
    return method ? method->function : nullptr;
}

const CorvelBuiltInObject::Method* CorvelBuiltInObject::FindMethod(const Name& name) const {
    if (m_index.empty()) return nullptr;
    size_t mask = m_index.size() - 1;
    for (size_t slot = name.indexHash & mask; m_index[slot] != 0; slot = (slot + 1) & mask) {
        const Method& method = m_methods[m_index[slot] - 1];
        if (method.indexHash == name.indexHash && (uint32_t)method.name.GetLength() == name.length &&
            memcmp(method.name.GetText(), name.text, name.length) == 0)
            return &method;
    }
    return nullptr;
}

void CorvelBuiltInObject::AddMethod(const char* name, CorvelNativeFunction function) {
    Name key(name);
    if (FindMethod(key)) return;
    m_methods.push_back(Method{QelString(key.text), key.bucket, key.indexHash, function});
    if (key.text[0] >= '0' && key.text[0] <= '9') m_digitMethodName = true;
    if (m_index.size() < m_methods.size() * 2) RebuildIndex();
    else IndexMethod(m_methods.size() - 1);
}

// At most half full, so every probe ends at a free slot. The size doubles,
// so registering n methods costs time in proportion to n.
void CorvelBuiltInObject::RebuildIndex() {
    size_t size = 8;
    while (size < m_methods.size() * 2) size *= 2;
    m_index.assign(size, 0);
    for (size_t i = 0; i < m_methods.size(); ++i) IndexMethod(i);
}

void CorvelBuiltInObject::IndexMethod(size_t i) {
    size_t mask = m_index.size() - 1;
    size_t slot = m_methods[i].indexHash & mask;
    while (m_index[slot] != 0) slot = (slot + 1) & mask;
    m_index[slot] = (uint16_t)(i + 1);
}
