// CorvelStandardBooleanConstructor: the script's `Boolean`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardBooleanConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardBooleanConstructor() = default;

    void SetupObject() override;
    // new Boolean(v): a Boolean object holding ToBoolean(v), false without v.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Boolean(v): ToBoolean(v) as a primitive, false without v.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
};
