#include "CorvelStandardBooleanConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardBooleanInstance.h"
#include "CorvelStandardBooleanPrototype.h"

#include <utility>

namespace {

bool FirstArgumentAsBoolean(CorvelValue* arguments, int argumentCount) {
    if (argumentCount < 1) return false;
    arguments[0].ToBoolean();
    return arguments[0].GetBool();
}

}  // namespace

void CorvelStandardBooleanConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardBooleanPrototype() : nullptr, 1);
}

CorvelStatus CorvelStandardBooleanConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                         int argumentCount, const CorvelValue&) {
    bool value = FirstArgumentAsBoolean(arguments, argumentCount);
    CorvelValue result;
    result.SetNewObject(new CorvelStandardBooleanInstance(value));
    context->GetReturnValue() = std::move(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardBooleanConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                    int argumentCount, const CorvelValue&) {
    context->GetReturnValue() = CorvelValue(FirstArgumentAsBoolean(arguments, argumentCount));
    return CorvelStatus::Return;
}
