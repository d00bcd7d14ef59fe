// CorvelStandardNumberInstance: a Number object wrapping a primitive number.
#pragma once

#include "CorvelStandardInstance.h"

class CorvelStandardNumberInstance : public CorvelStandardInstance {
public:
    explicit CorvelStandardNumberInstance(double value);

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    const CorvelValue& Value() const override;

private:
    CorvelValue m_value;
};
