// CorvelStandardDatePrototype: the prototype of dates; of that class itself,
// holding NaN as its primitive value.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardDatePrototype : public CorvelStandardPrototype {
public:
    CorvelStandardDatePrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

private:
    CorvelValue m_value;
};
