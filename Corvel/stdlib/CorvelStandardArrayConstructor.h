// CorvelStandardArrayConstructor: the script's `Array`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardArrayConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardArrayConstructor() = default;

    void SetupObject() override;
    // new Array(): empty; new Array(n) for a number n: length n, raising
    // 1018 "Illegal array length" unless n is a whole number below 2^32 in
    // magnitude; new Array(v) otherwise: the one element v; with two or more
    // arguments, those arguments as elements.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Array(...) makes an array just as new Array(...) does.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
};
