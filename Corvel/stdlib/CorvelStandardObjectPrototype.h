// CorvelStandardObjectPrototype: the end of every standard prototype chain.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardObjectPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardObjectPrototype();

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    void SetupObject() override;

    // "[object " + the class name of the this object + "]".
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    // The this value itself.
    static CorvelStatus ValueOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
};
