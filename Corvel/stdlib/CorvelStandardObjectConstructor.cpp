#include "CorvelStandardObjectConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardObjectInstance.h"
#include "CorvelStandardObjectPrototype.h"

namespace {

bool IsNullish(const CorvelValue& value) {
    return value.GetType() == CorvelValue::Undefined || value.GetType() == CorvelValue::Null;
}

}  // namespace

void CorvelStandardObjectConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardObjectPrototype() : nullptr, 1);
}

CorvelStatus CorvelStandardObjectConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue&) {
    CorvelValue result;
    if (argumentCount > 0 && !IsNullish(arguments[0])) {
        result = arguments[0];
        result.ToObject();
    } else {
        result.SetNewObject(new CorvelStandardObjectInstance);
    }
    context->SetReturnValue(result);
    return CorvelStatus::Return;
}

// Called or constructed, Object does the same: an object argument is the
// result itself, a primitive one its wrapper, anything else a new object.
CorvelStatus CorvelStandardObjectConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue& thisValue) {
    return Construct(context, arguments, argumentCount, thisValue);
}
