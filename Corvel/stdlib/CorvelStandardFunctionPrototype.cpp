#include "CorvelStandardFunctionPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionConstructor.h"
#include "CorvelStandardFunctionInstance.h"

CorvelStandardFunctionPrototype::CorvelStandardFunctionPrototype() { AddMethod("toString", ToString); }

CorvelObject::ClassType CorvelStandardFunctionPrototype::Class() const { return ClassFunction; }

CorvelStatus CorvelStandardFunctionPrototype::Call(CorvelExecutionContext*, CorvelValue*, int, const CorvelValue&) {
    return CorvelStatus::Normal;
}

void CorvelStandardFunctionPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    CorvelValue constructor;
    if (environment && environment->GetStandardFunctionConstructor())
        constructor.SetObject(environment->GetStandardFunctionConstructor()->GetKey());
    SetOwnProperty("constructor", constructor, 0);
    CorvelStandardPrototype::SetupObject();
}

CorvelStatus CorvelStandardFunctionPrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                       const CorvelValue& thisValue) {
    CorvelObject* object = CorvelObjectTable::FindObject(thisValue.ForceGetObjectKey());
    if (!object || object->Class() != ClassFunction)
        CorvelRuntimeException::Raise(CorvelMessages::NotAFunctionObject);
    if (CorvelStandardFunctionInstance* function = dynamic_cast<CorvelStandardFunctionInstance*>(object)) {
        CorvelJSOutput output;
        if (CorvelFunctionDefinition* definition = function->GetFunctionDefinition())
            definition->WriteECMAScript(&output);
        context->GetReturnValue() = CorvelValue(output.GetOutput());
        return CorvelStatus::Return;
    }
    if (dynamic_cast<CorvelStandardConstructor*>(object)) {
        context->GetReturnValue() = CorvelValue("[Function constructor]");
        return CorvelStatus::Return;
    }
    return CorvelStatus::Normal;
}
