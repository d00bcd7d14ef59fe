// The prototype of every function object. Calling it does nothing.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardFunctionPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardFunctionPrototype();

    ClassType Class() const override;
    CorvelStatus Call(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                      const CorvelValue& thisValue) override;
    void SetupObject() override;

protected:
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
};
