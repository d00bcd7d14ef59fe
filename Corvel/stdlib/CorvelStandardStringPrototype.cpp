#include "CorvelStandardStringPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardStringConstructor.h"

CorvelStandardStringPrototype::CorvelStandardStringPrototype() : m_value("") {}

CorvelObject::ClassType CorvelStandardStringPrototype::Class() const { return ClassString; }

const CorvelValue& CorvelStandardStringPrototype::Value() const { return m_value; }

void CorvelStandardStringPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardStringConstructor() : nullptr);
}
