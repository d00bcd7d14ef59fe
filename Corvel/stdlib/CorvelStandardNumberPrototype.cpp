#include "CorvelStandardNumberPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardNumberConstructor.h"

#include <cmath>
#include <utility>

CorvelStandardNumberPrototype::CorvelStandardNumberPrototype() : m_value(0.0) {
    AddMethod("toString", ToString);
    AddMethod("valueOf", ValueOf);
}

CorvelObject::ClassType CorvelStandardNumberPrototype::Class() const { return ClassNumber; }

const CorvelValue& CorvelStandardNumberPrototype::Value() const { return m_value; }

void CorvelStandardNumberPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardNumberConstructor() : nullptr);
}

double CorvelStandardNumberPrototype::ThisNumberValue(const CorvelValue& thisValue) {
    CorvelObject* object = CorvelObjectTable::FindObject(thisValue.ForceGetObjectKey());
    if (!object || object->Class() != ClassNumber) CorvelRuntimeException::Raise(CorvelMessages::NotANumber);
    // A host class may claim the class without holding a number.
    const CorvelValue& value = object->Value();
    return value.GetType() == CorvelValue::Number ? value.GetNumber() : NAN;
}

CorvelStatus CorvelStandardNumberPrototype::ToString(CorvelExecutionContext* context, CorvelValue* arguments,
                                                     int argumentCount, const CorvelValue& thisValue) {
    double number = ThisNumberValue(thisValue);
    // Only the number 10 itself means the plain text; "10" goes the radix way.
    if (argumentCount < 1 || (arguments[0].GetType() == CorvelValue::Number && arguments[0].GetNumber() == 10)) {
        CorvelValue result(number);
        result.ToString();
        context->GetReturnValue() = std::move(result);
        return CorvelStatus::Return;
    }
    int32_t radix = arguments[0].ToInt32();
    if (radix < 2 || radix > 36) {
        context->GetReturnValue() = CorvelValue("");
        return CorvelStatus::Return;
    }
    char buffer[RadixBufferSize];
    context->GetReturnValue() = CorvelValue(FormatRadix(number, radix, buffer));
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardNumberPrototype::ValueOf(CorvelExecutionContext* context, CorvelValue*, int,
                                                    const CorvelValue& thisValue) {
    context->GetReturnValue() = CorvelValue(ThisNumberValue(thisValue));
    return CorvelStatus::Return;
}

// Digits come from the least significant end: the remainder by the radix,
// then a division without rounding, until what is left is below 1. The
// fraction is never written, so anything below 1 (NaN included) is "0".
// fmod is exact, so every digit is below the radix; an infinity would never
// shrink below 1, so infinities get their usual texts instead.
const char* CorvelStandardNumberPrototype::FormatRadix(double number, int radix,
                                                       char (&buffer)[RadixBufferSize]) {
    if (radix < 2 || radix > 36) return "";
    if (std::isnan(number)) return "0";
    if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    char* start = buffer + RadixBufferSize - 1;
    *start = 0;
    bool negative = number < 0;
    double rest = negative ? -number : number;
    if (rest < 1) *--start = '0';
    // The bound only guards the buffer: no finite double has more digits.
    while (rest >= 1 && start > buffer + 1) {
        *--start = digits[(int)std::fmod(rest, (double)radix)];
        rest /= radix;
    }
    if (negative) *--start = '-';
    return start;
}
