#include "CorvelStandardArrayConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardArrayPrototype.h"

#include <cmath>
#include <utility>

namespace {

// A negative whole number is accepted too: the length wraps as ToUint32
// wraps it, as when "length" is assigned.
bool IsLengthArgument(double number) {
    return std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < 4294967296.0;
}

}  // namespace

void CorvelStandardArrayConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardArrayPrototype() : nullptr, 1);
}

CorvelStatus CorvelStandardArrayConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                       int argumentCount, const CorvelValue&) {
    CorvelStandardArrayInstance* array = new CorvelStandardArrayInstance;
    // Held from the start, so that an error below frees the array.
    CorvelValue result;
    result.SetNewObject(array);
    if (argumentCount == 1 && arguments[0].GetType() == CorvelValue::Number) {
        if (!IsLengthArgument(arguments[0].GetNumber()))
            CorvelRuntimeException::Raise(CorvelMessages::IllegalArrayLength);
        array->Put("length", arguments[0]);
    } else if (argumentCount == 1) {
        array->Put("0", arguments[0]);
    } else {
        for (int i = 0; i < argumentCount; ++i) array->Append(arguments[i]);
    }
    context->GetReturnValue() = std::move(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardArrayConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                  int argumentCount, const CorvelValue& thisValue) {
    return Construct(context, arguments, argumentCount, thisValue);
}
