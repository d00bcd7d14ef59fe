#include "CorvelStandardDateConstructor.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardDateInstance.h"
#include "CorvelStandardDatePrototype.h"

#include <cmath>
#include <ctime>

typedef CorvelStandardDatePrototype Date;

namespace {

const int kMaxFields = 7;

double CurrentTime() { return (double)time(nullptr) * Date::msPerSecond; }

}  // namespace

void CorvelStandardDateConstructor::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorProperties(environment ? environment->GetStandardDatePrototype() : nullptr, 1);
}

double CorvelStandardDateConstructor::GetDateFromParameters(CorvelValue* arguments, int argumentCount) {
    if (argumentCount <= 0) return CurrentTime();
    if (argumentCount == 1) {
        CorvelValue& value = arguments[0];
        value.ToPrimitive();
        if (value.GetType() == CorvelValue::String) return 0;
        value.ToNumber();
        return value.GetNumber();
    }
    // Date and time fields left out: the first of the month, midnight.
    double fields[kMaxFields] = {0, 0, 1, 0, 0, 0, 0};
    for (int i = 0; i < argumentCount && i < kMaxFields; ++i) {
        arguments[i].ToNumber();
        fields[i] = arguments[i].GetNumber();
    }
    double year = fields[0];
    if (!std::isnan(year) && std::trunc(year) >= 0 && std::trunc(year) <= 99) year = std::trunc(year) + 1900;
    double day = Date::MakeDay(year, fields[1], fields[2]);
    return Date::MakeDate(day, Date::MakeTime(fields[3], fields[4], fields[5], fields[6]));
}

CorvelStatus CorvelStandardDateConstructor::Construct(CorvelExecutionContext* context, CorvelValue* arguments,
                                                      int argumentCount, const CorvelValue&) {
    double t = GetDateFromParameters(arguments, argumentCount);
    if (argumentCount >= 2) t = Date::UTCFromLocal(t);
    CorvelStandardDateInstance* date = new CorvelStandardDateInstance;
    date->SetDate(Date::TimeClip(t));
    CorvelValue result;
    result.SetNewObject(date);
    context->SetReturnValue(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardDateConstructor::Call(CorvelExecutionContext* context, CorvelValue*, int,
                                                 const CorvelValue&) {
    context->GetReturnValue().SetString(Date::LocalText(CurrentTime()).GetText());
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardDateConstructor::UTC(CorvelExecutionContext* context, CorvelValue* arguments,
                                                int argumentCount, const CorvelValue&) {
    context->GetReturnValue().SetNumber(Date::TimeClip(GetDateFromParameters(arguments, argumentCount)));
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardDateConstructor::Parse(CorvelExecutionContext*, CorvelValue*, int, const CorvelValue&) {
    return CorvelStatus::Normal;
}
