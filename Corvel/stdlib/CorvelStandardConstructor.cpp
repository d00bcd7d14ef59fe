#include "CorvelStandardConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardFunctionPrototype.h"

CorvelStandardConstructor::CorvelStandardConstructor() : CorvelBuiltInObject(true) {}

CorvelObject* CorvelStandardConstructor::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardFunctionPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardConstructor::Class() const { return ClassFunction; }

void CorvelStandardConstructor::DestroyObject() {}

void CorvelStandardConstructor::SetupConstructorProperties(CorvelObject* prototype, int length) {
    const int fixed = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;
    SetOwnProperty("prototype", CorvelValue::ObjectValue(prototype), fixed);
    SetOwnProperty("length", CorvelValue(length), fixed);
}
