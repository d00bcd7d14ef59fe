#include "CorvelStandardNumberInstance.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardNumberPrototype.h"

CorvelStandardNumberInstance::CorvelStandardNumberInstance(double value) : m_value(value) {}

CorvelObject* CorvelStandardNumberInstance::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardNumberPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardNumberInstance::Class() const { return ClassNumber; }

const CorvelValue& CorvelStandardNumberInstance::Value() const { return m_value; }
