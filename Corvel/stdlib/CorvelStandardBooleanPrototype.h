// CorvelStandardBooleanPrototype: the prototype of Boolean objects; of that class itself,
// holding false as its primitive value, so its methods work on it too.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardBooleanPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardBooleanPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

    // "true" or "false"; raises 1025 unless `this` is a Boolean object.
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    // The primitive boolean; raises 1025 unless `this` is a Boolean object.
    static CorvelStatus ValueOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);

private:
    // The primitive of a Boolean `this`; raises 1025 for anything else.
    static bool ThisBooleanValue(const CorvelValue& thisValue);

    CorvelValue m_value;
};
