// CorvelStandardDateInstance: a Date object, holding its time value.
#pragma once

#include "CorvelStandardInstance.h"

class CorvelStandardDateInstance : public CorvelStandardInstance {
public:
    CorvelStandardDateInstance() = default;

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    // The time value: undefined until SetDate stores one.
    const CorvelValue& Value() const override;
    // A date asked without a hint answers its text, as for hint String.
    void DefaultValue(CorvelValue& result, int hint) const override;

    void SetDate(double timeValue) { m_value.SetNumber(timeValue); }

private:
    CorvelValue m_value;
};
