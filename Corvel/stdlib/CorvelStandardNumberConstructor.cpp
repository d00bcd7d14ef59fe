#include "CorvelStandardNumberConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardNumberInstance.h"
#include "CorvelStandardNumberPrototype.h"

#include <cfloat>
#include <cmath>
#include <utility>

namespace {

double FirstArgumentAsNumber(CorvelValue* arguments, int argumentCount) {
    if (argumentCount < 1) return 0.0;
    arguments[0].ToNumber();
    return arguments[0].GetNumber();
}

}  // namespace

void CorvelStandardNumberConstructor::SetupObject() {
    const int fixed = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetOwnProperty("prototype",
                   CorvelValue::ObjectValue(environment ? environment->GetStandardNumberPrototype() : nullptr), fixed);
    SetOwnProperty("MAX_VALUE", CorvelValue(DBL_MAX), fixed);
    // The smallest normalised double, not the smallest denormal.
    SetOwnProperty("MIN_VALUE", CorvelValue(DBL_MIN), fixed);
    SetOwnProperty("NaN", CorvelValue((double)NAN), fixed);
    SetOwnProperty("NEGATIVE_INFINITY", CorvelValue(-HUGE_VAL), fixed);
    SetOwnProperty("POSITIVE_INFINITY", CorvelValue(HUGE_VAL), fixed);
    SetOwnProperty("length", CorvelValue(1), fixed);
}

CorvelStatus CorvelStandardNumberConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue&) {
    double value = FirstArgumentAsNumber(arguments, argumentCount);
    CorvelValue result;
    result.SetNewObject(new CorvelStandardNumberInstance(value));
    context->GetReturnValue() = std::move(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardNumberConstructor::Call(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue&) {
    context->GetReturnValue() = CorvelValue(FirstArgumentAsNumber(arguments, argumentCount));
    return CorvelStatus::Return;
}
