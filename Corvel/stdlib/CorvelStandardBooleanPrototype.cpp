#include "CorvelStandardBooleanPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardBooleanConstructor.h"

CorvelStandardBooleanPrototype::CorvelStandardBooleanPrototype() : m_value(false) {}

CorvelObject::ClassType CorvelStandardBooleanPrototype::Class() const { return ClassBoolean; }

const CorvelValue& CorvelStandardBooleanPrototype::Value() const { return m_value; }

void CorvelStandardBooleanPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardBooleanConstructor() : nullptr);
}
