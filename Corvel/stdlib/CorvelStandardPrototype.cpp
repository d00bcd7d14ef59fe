#include "CorvelStandardPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardObjectPrototype.h"

CorvelStandardPrototype::CorvelStandardPrototype() : CorvelBuiltInObject(true) {}

CorvelObject* CorvelStandardPrototype::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardObjectPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardPrototype::Class() const { return ClassObject; }

void CorvelStandardPrototype::DestroyObject() {}

void CorvelStandardPrototype::SetupConstructorLink(CorvelObject* constructor) {
    SetOwnProperty("constructor", CorvelValue::ObjectValue(constructor), CorvelValue::DontEnum);
}
