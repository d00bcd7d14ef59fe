// CorvelStandardMathObject: the script's `Math`, a single built-in object of
// class Object holding the mathematical constants and functions. Every
// function converts its arguments to numbers and answers a number; a
// missing argument makes the result NaN, extra ones are ignored.
#pragma once

#include "CorvelBuiltInObject.h"

#include <cstdint>

class CorvelStandardMathObject : public CorvelBuiltInObject {
public:
    CorvelStandardMathObject();

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    void SetupObject() override;

    static CorvelStatus Abs(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus ACos(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus ASin(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus ATan(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    // atan2(y, x): the angle of the point (x, y).
    static CorvelStatus ATan2(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    static CorvelStatus Ceil(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus Cos(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus Exp(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus Floor(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    static CorvelStatus Log(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    // max(a, b): a when a > b, otherwise b; so a NaN on the left loses.
    static CorvelStatus Max(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    // min(a, b): b when a >= b, otherwise a; so a NaN on the right loses.
    static CorvelStatus Min(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus Pow(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    // A multiple of 1/32768 from 0 to 32767/32768.
    static CorvelStatus Random(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                               const CorvelValue& thisValue);
    // floor(x + 0.5) as exact arithmetic gives it, so halves round
    // upwards: -2.5 gives -2.
    static CorvelStatus Round(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    static CorvelStatus Sin(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);
    static CorvelStatus Sqrt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    static CorvelStatus Tan(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue& thisValue);

protected:
    // The environment owns the single instance.
    void DestroyObject() override;

private:
    // The generator behind random(): the next integer from 0 to 32767.
    static int NextRandomInteger();

    // The state of the generator, one per thread (hosts may run scripts on
    // several). Never seeded, so every thread of every process starts the
    // same sequence; it is the library's own rather than the C library's,
    // whose state a host may seed or use.
    static thread_local uint32_t ms_randomState;
};
