// CorvelStandardObjectConstructor: the script's `Object`.
#pragma once

#include "CorvelStandardConstructor.h"

class CorvelStandardObjectConstructor : public CorvelStandardConstructor {
public:
    CorvelStandardObjectConstructor() = default;

    void SetupObject() override;
    // new Object(v): v itself for an object, its wrapper for a primitive,
    // otherwise a new plain object.
    CorvelStatus Construct(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                           const CorvelValue& thisValue) override;
    // Object(v): ToObject(v) unless v is undefined or null.
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
};
