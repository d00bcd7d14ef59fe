// CorvelStandardNumberConstructor: the script's `Number`, with the numeric
// limits as read-only properties.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardNumberConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardNumberConstructor() = default;

    void SetupObject() override;
    // new Number(v): a Number object holding ToNumber(v), 0 without v.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Number(v): ToNumber(v) as a primitive, 0 without v.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
};
