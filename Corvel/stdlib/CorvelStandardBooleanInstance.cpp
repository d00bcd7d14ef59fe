#include "CorvelStandardBooleanInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardBooleanPrototype.h"

CorvelStandardBooleanInstance::CorvelStandardBooleanInstance(bool value) : m_value(value) {}

CorvelObject* CorvelStandardBooleanInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardBooleanPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardBooleanInstance::Class() const { return ClassBoolean; }

const CorvelValue& CorvelStandardBooleanInstance::Value() const { return m_value; }
