#include "CorvelStandardNumberConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardNumberPrototype.h"

#include <cfloat>
#include <cmath>

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
