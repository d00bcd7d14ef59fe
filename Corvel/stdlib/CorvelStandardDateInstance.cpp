#include "CorvelStandardDateInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardDatePrototype.h"

CorvelObject* CorvelStandardDateInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardDatePrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardDateInstance::Class() const { return ClassDate; }

const CorvelValue& CorvelStandardDateInstance::Value() const { return m_value; }

void CorvelStandardDateInstance::DefaultValue(CorvelValue& result, int hint) const {
    CorvelStandardInstance::DefaultValue(result, hint == CorvelValue::Undefined ? CorvelValue::String : hint);
}
