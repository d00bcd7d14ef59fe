#include "CorvelStandardNumberPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardNumberConstructor.h"

CorvelStandardNumberPrototype::CorvelStandardNumberPrototype() : m_value(0.0) {}

CorvelObject::ClassType CorvelStandardNumberPrototype::Class() const { return ClassNumber; }

const CorvelValue& CorvelStandardNumberPrototype::Value() const { return m_value; }

void CorvelStandardNumberPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardNumberConstructor() : nullptr);
}
