// CorvelStandardNumberPrototype: the prototype of Number objects; of that class itself,
// holding 0 as its primitive value.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardNumberPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardNumberPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

private:
    CorvelValue m_value;
};
