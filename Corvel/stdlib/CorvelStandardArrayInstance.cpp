#include "CorvelStandardArrayInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardArrayPrototype.h"

#include <cmath>
#include <cstring>
#include <vector>

typedef CorvelPropertyStore::Name Name;

namespace {

const int kLengthAttributes = CorvelValue::DontEnum | CorvelValue::DontDelete;

const Name& LengthName() {
    static const Name name("length");
    return name;
}

// The length a "length" assignment asks for. Values whose integer part does
// not fit in 32 bits are refused rather than wrapped; NaN and the
// infinities count as 0.
uint32_t RequestedLength(const CorvelValue& value) {
    CorvelValue number(value);
    if (number.GetType() != CorvelValue::Number) number.ToNumber();
    double requested = number.GetNumber();
    if (std::isnan(requested) || std::isinf(requested)) return 0;
    if (std::fabs(std::trunc(requested)) >= 4294967296.0)
        CorvelRuntimeException::Raise(CorvelMessages::IllegalArrayLength);
    return number.ToUint32();
}

}  // namespace

CorvelStandardArrayInstance::CorvelStandardArrayInstance() {
    KeepElementsDensely();
    StoreLengthProperty();
}

void CorvelStandardArrayInstance::StoreLengthProperty() {
    SetOwnProperty(LengthName(), CorvelValue((double)m_length), kLengthAttributes);
    m_lengthValue = FindOwnValue(LengthName());
}

CorvelObject* CorvelStandardArrayInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardArrayPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardArrayInstance::Class() const { return ClassArray; }

void CorvelStandardArrayInstance::Put(const char* name, const CorvelValue& value) {
    PutArrayProperty(this, m_length, name, value);
}

// Put's steps for an index, without its text where the element is or will
// be kept densely. An element already there is replaced (the length stays,
// as it lies beyond every element); a new one is first offered to the
// prototype chain's CanPut, as Put offers it, unless no object there can
// have a property of its name.
void CorvelStandardArrayInstance::PutElement(uint32_t index, const CorvelValue& value) {
    if (CorvelValue* element = FindDenseElement(index)) {
        if (!(element->GetAttributes() & CorvelValue::ReadOnly)) element->Assign(value);
        return;
    }
    if (!CanAddDenseElement(index)) return CorvelStandardInstance::PutElement(index, value);
    const CorvelObject* prototype = Prototype();
    if (prototype && prototype->ChainMayHaveIndexNames()) {
        char buffer[16];
        if (!prototype->CanPut(FormatIndex(index, buffer))) return;
    }
    AddDenseElement(index, value);
    if (index >= m_length) {
        m_length = index + 1;
        if (m_lengthValue) m_lengthValue->SetNumber((double)m_length);
        else StoreLengthProperty();
    }
}

// Held throughout: the base reset may release the array's last reference
// (an array that contains itself), and the length is set afterwards.
void CorvelStandardArrayInstance::ResetObject() {
    Hold hold(this);
    m_lengthValue = nullptr;
    CorvelStandardInstance::ResetObject();
    m_length = 0;
    StoreLengthProperty();
}

void CorvelStandardArrayInstance::Append(const CorvelValue& value) {
    if (m_length == 0xFFFFFFFFu) return;
    PutElement(m_length, value);
}

// Removes the elements from `newLength` up to `oldLength`: the dense ones
// directly, then those stored by name. When the span is wider than the
// object has properties, only the properties present are visited, so
// cutting a huge, sparse array back costs no more than its size.
template <class ArrayObject>
void CorvelStandardArrayInstance::RemoveElementsFrom(ArrayObject* object, uint32_t newLength, uint32_t oldLength) {
    if (!object->TruncateDenseElements(newLength)) return;
    char name[16];
    uint32_t ownCount = (uint32_t)object->GetPropertyCount();
    if (oldLength - newLength <= ownCount) {
        for (uint32_t index = oldLength; index > newLength; --index) {
            object->RemoveProperty(FormatIndex(index - 1, name));
        }
        return;
    }
    // Own names come first in an enumeration; the base enumeration keeps a
    // built-in object from materialising its methods.
    std::vector<uint32_t> doomed;
    CorvelObject::PropertyEnumerator* enumerator = object->CorvelObject::BeginPropertyEnumeration();
    for (uint32_t seen = 0; seen < ownCount; ++seen) {
        const char* own = object->GetNextPropertyName(enumerator);
        if (!own) break;
        uint32_t index;
        if (IsArrayIndex(own, index) && index >= newLength && index < oldLength)
            doomed.push_back(index);
    }
    object->EndPropertyEnumeration(enumerator);
    for (uint32_t index : doomed) {
        object->RemoveProperty(FormatIndex(index, name));
    }
}

template <class ArrayObject>
void CorvelStandardArrayInstance::PutArrayProperty(ArrayObject* object, uint32_t& length, const char* name,
                                                   const CorvelValue& value) {
    // CanPut, with the name hashed once for the lookup and the store.
    Name key(name);
    const CorvelValue* own = object->FindOwnProperty(key);
    if (own && (own->GetAttributes() & CorvelValue::ReadOnly)) return;
    const CorvelObject* prototype = object->Prototype();
    if (!own && prototype && !prototype->CanPut(name)) return;
    if (strcmp(name, "length") == 0) {
        uint32_t newLength = RequestedLength(value);
        if (length > newLength) RemoveElementsFrom(object, newLength, length);
        length = newLength;
        object->SetOwnProperty(LengthName(), CorvelValue((double)newLength), kLengthAttributes);
        return;
    }
    object->SetOwnProperty(key, value, value.GetAttributes());
    uint32_t index;
    if (IsArrayIndex(name, index) && index >= length) {
        length = index + 1;
        object->SetOwnProperty(LengthName(), CorvelValue((double)length), kLengthAttributes);
    }
}

template void CorvelStandardArrayInstance::PutArrayProperty(CorvelStandardArrayInstance*, uint32_t&, const char*,
                                                            const CorvelValue&);
template void CorvelStandardArrayInstance::PutArrayProperty(CorvelStandardArrayPrototype*, uint32_t&, const char*,
                                                            const CorvelValue&);
