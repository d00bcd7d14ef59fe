#include "CorvelStandardObjectPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardObjectConstructor.h"

CorvelStandardObjectPrototype::CorvelStandardObjectPrototype() {
    AddMethod("toString", ToString);
    AddMethod("valueOf", ValueOf);
}

// The end of every prototype chain.
CorvelObject* CorvelStandardObjectPrototype::Prototype() const { return nullptr; }

CorvelObject::ClassType CorvelStandardObjectPrototype::Class() const { return ClassObject; }

void CorvelStandardObjectPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardObjectConstructor() : nullptr);
}

CorvelStatus CorvelStandardObjectPrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    CorvelObject* object = thisValue.ForceGetObject();
    QelString text;
    if (object) text = QelString("[object ") + GetClassName(object->Class()) + "]";
    context->SetReturnValue(CorvelValue(text.GetText()));
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardObjectPrototype::ValueOf(CorvelExecutionContext* context, CorvelValue*, int,
                                                    const CorvelValue& thisValue) {
    context->SetReturnValue(thisValue);
    return CorvelStatus::Return;
}
