// CorvelStandardStringPrototype: the prototype of String objects; of that class itself,
// holding the empty string as its primitive value.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardStringPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardStringPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

private:
    CorvelValue m_value;
};
