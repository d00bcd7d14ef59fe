// CorvelStandardBooleanInstance: a Boolean object wrapping a primitive boolean.
#pragma once

#include "CorvelStandardInstance.h"

class CorvelStandardBooleanInstance : public CorvelStandardInstance {
public:
    explicit CorvelStandardBooleanInstance(bool value);

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    const CorvelValue& Value() const override;

private:
    CorvelValue m_value;
};
