#include "CorvelStandardDatePrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardDateConstructor.h"

#include <cmath>

CorvelStandardDatePrototype::CorvelStandardDatePrototype() : m_value((double)NAN) {}

CorvelObject::ClassType CorvelStandardDatePrototype::Class() const { return ClassDate; }

const CorvelValue& CorvelStandardDatePrototype::Value() const { return m_value; }

void CorvelStandardDatePrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardDateConstructor() : nullptr);
}
