#include "CorvelStandardMathObject.h"

#include "CorvelEnvironment.h"
#include "CorvelStandardObjectPrototype.h"

#include <cmath>

CorvelStandardMathObject::CorvelStandardMathObject() : CorvelBuiltInObject(true) {}

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
