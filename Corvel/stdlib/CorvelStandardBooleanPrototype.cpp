#include "CorvelStandardBooleanPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardBooleanConstructor.h"

CorvelStandardBooleanPrototype::CorvelStandardBooleanPrototype() : m_value(false) {
    AddMethod("toString", ToString);
    AddMethod("valueOf", ValueOf);
}

CorvelObject::ClassType CorvelStandardBooleanPrototype::Class() const { return ClassBoolean; }

const CorvelValue& CorvelStandardBooleanPrototype::Value() const { return m_value; }

void CorvelStandardBooleanPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardBooleanConstructor() : nullptr);
}

bool CorvelStandardBooleanPrototype::ThisBooleanValue(const CorvelValue& thisValue) {
    CorvelObject* object = CorvelObjectTable::FindObject(thisValue.ForceGetObjectKey());
    if (!object || object->Class() != ClassBoolean) CorvelRuntimeException::Raise(CorvelMessages::NotABoolean);
    // A host class may claim the class without holding a boolean; an object
    // there is not asked for its value, which could call back in here.
    const CorvelValue& value = object->Value();
    return value.GetType() != CorvelValue::Object && value.ForceGetBool();
}

CorvelStatus CorvelStandardBooleanPrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                      const CorvelValue& thisValue) {
    context->GetReturnValue() = CorvelValue(ThisBooleanValue(thisValue) ? "true" : "false");
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardBooleanPrototype::ValueOf(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    context->GetReturnValue() = CorvelValue(ThisBooleanValue(thisValue));
    return CorvelStatus::Return;
}
