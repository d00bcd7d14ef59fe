// CorvelStandardStringConstructor: the script's `String`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardStringConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardStringConstructor();

    void SetupObject() override;
    // new String(v): a String object holding ToString(v), the empty string
    // without v.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // String(v): ToString(v) as a primitive, the empty string without v.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;

    // One byte per argument: the low 8 bits of ToUint16. A byte 0 ends the
    // string there.
    static CorvelStatus FromCharCode(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                     const CorvelValue& thisValue);
};
