#include "CorvelStandardMathObject.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelStandardObjectPrototype.h"

#include <cmath>

thread_local uint32_t CorvelStandardMathObject::ms_randomState = 1;

namespace {

// Argument `index` converted in place, or NaN when the caller gave fewer.
double NumberArgument(CorvelValue* arguments, int argumentCount, int index) {
    if (index >= argumentCount) return NAN;
    CorvelValue& argument = arguments[index];
    if (argument.GetType() != CorvelValue::Number) argument.ToNumber();
    return argument.GetNumber();
}

// A fresh value, so that no attributes left in the return value survive.
CorvelStatus ReturnNumber(CorvelExecutionContext* context, double number) {
    context->GetReturnValue() = CorvelValue(number);
    return CorvelStatus::Return;
}

CorvelStatus ReturnOf(double (*function)(double), CorvelExecutionContext* context, CorvelValue* arguments,
                      int argumentCount) {
    if (argumentCount < 1) return ReturnNumber(context, NAN);
    return ReturnNumber(context, function(NumberArgument(arguments, argumentCount, 0)));
}

// Functions of two arguments give NaN for fewer without converting either.
CorvelStatus ReturnOf(double (*function)(double, double), CorvelExecutionContext* context, CorvelValue* arguments,
                      int argumentCount) {
    if (argumentCount < 2) return ReturnNumber(context, NAN);
    double first = NumberArgument(arguments, argumentCount, 0);
    double second = NumberArgument(arguments, argumentCount, 1);
    return ReturnNumber(context, function(first, second));
}

double Larger(double a, double b) { return a > b ? a : b; }
double Smaller(double a, double b) { return a >= b ? b : a; }
// floor(x + 0.5), without the rounding of the sum: that turns 0.5 - 2^-54
// into 1 and odd integers from 2^52 up into their even neighbours. Taking
// the fraction apart is exact, and adding 0.0 gives the sum's +0 for -0.
double RoundHalfUp(double x) {
    double whole = std::floor(x);
    return (x - whole >= 0.5 ? whole + 1 : whole) + 0.0;
}

}  // namespace

CorvelStandardMathObject::CorvelStandardMathObject() : CorvelBuiltInObject(true) {
    AddMethod("abs", Abs);
    AddMethod("acos", ACos);
    AddMethod("asin", ASin);
    AddMethod("atan", ATan);
    AddMethod("atan2", ATan2);
    AddMethod("ceil", Ceil);
    AddMethod("cos", Cos);
    AddMethod("exp", Exp);
    AddMethod("floor", Floor);
    AddMethod("log", Log);
    AddMethod("max", Max);
    AddMethod("min", Min);
    AddMethod("pow", Pow);
    AddMethod("random", Random);
    AddMethod("round", Round);
    AddMethod("sin", Sin);
    AddMethod("sqrt", Sqrt);
    AddMethod("tan", Tan);
}

CorvelObject* CorvelStandardMathObject::Prototype() const {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    return environment ? environment->GetStandardObjectPrototype() : nullptr;
}

CorvelObject::ClassType CorvelStandardMathObject::Class() const { return ClassObject; }

void CorvelStandardMathObject::DestroyObject() {}

// Computed in extended precision and rounded once; the two square roots are
// the doubles of their decimal texts.
void CorvelStandardMathObject::SetupObject() {
    const int fixed = CorvelValue::ReadOnly | CorvelValue::DontEnum | CorvelValue::DontDelete;
    SetOwnProperty("E", CorvelValue((double)expl(1.0L)), fixed);
    SetOwnProperty("LN10", CorvelValue((double)logl(10.0L)), fixed);
    SetOwnProperty("LN2", CorvelValue((double)logl(2.0L)), fixed);
    SetOwnProperty("LOG2E", CorvelValue((double)(1.0L / logl(2.0L))), fixed);
    SetOwnProperty("LOG10E", CorvelValue((double)(1.0L / logl(10.0L))), fixed);
    SetOwnProperty("PI", CorvelValue((double)atan2l(0.0L, -1.0L)), fixed);
    SetOwnProperty("SQRT1_2", CorvelValue(0.7071067811865475), fixed);
    SetOwnProperty("SQRT2", CorvelValue(1.414213562373095), fixed);
}

CorvelStatus CorvelStandardMathObject::Abs(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::fabs, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::ACos(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    return ReturnOf(std::acos, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::ASin(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    return ReturnOf(std::asin, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::ATan(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    return ReturnOf(std::atan, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::ATan2(CorvelExecutionContext* context, CorvelValue* arguments,
                                             int argumentCount, const CorvelValue&) {
    return ReturnOf(std::atan2, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Ceil(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    return ReturnOf(std::ceil, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Cos(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::cos, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Exp(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::exp, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Floor(CorvelExecutionContext* context, CorvelValue* arguments,
                                             int argumentCount, const CorvelValue&) {
    return ReturnOf(std::floor, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Log(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::log, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Max(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(Larger, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Min(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(Smaller, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Pow(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::pow, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Random(CorvelExecutionContext* context, CorvelValue*, int,
                                              const CorvelValue&) {
    return ReturnNumber(context, NextRandomInteger() / 32768.0);
}

CorvelStatus CorvelStandardMathObject::Round(CorvelExecutionContext* context, CorvelValue* arguments,
                                             int argumentCount, const CorvelValue&) {
    return ReturnOf(RoundHalfUp, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Sin(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::sin, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Sqrt(CorvelExecutionContext* context, CorvelValue* arguments,
                                            int argumentCount, const CorvelValue&) {
    return ReturnOf(std::sqrt, context, arguments, argumentCount);
}

CorvelStatus CorvelStandardMathObject::Tan(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                           const CorvelValue&) {
    return ReturnOf(std::tan, context, arguments, argumentCount);
}

// The linear congruential recurrence of the C standard's sample rand(),
// in unsigned arithmetic so that it wraps without overflow.
int CorvelStandardMathObject::NextRandomInteger() {
    ms_randomState = ms_randomState * 1103515245u + 12345u;
    return (int)((ms_randomState >> 16) & 0x7FFFu);
}
