// CorvelStandardBooleanPrototype: the prototype of Boolean objects; of that class itself,
// holding false as its primitive value.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardBooleanPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardBooleanPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

private:
    CorvelValue m_value;
};
