// CorvelStandardStringInstance: a String object wrapping a primitive
// string, with a fixed, read-only "length".
#pragma once

#include "CorvelStandardInstance.h"

class CorvelStandardStringInstance : public CorvelStandardInstance {
public:
    // A null text gives the empty string.
    explicit CorvelStandardStringInstance(const char* text);
    // Shares the text of a String value.
    explicit CorvelStandardStringInstance(const CorvelValue& string);

    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    const CorvelValue& Value() const override;
    // The text itself when the method DefaultValue would call is the
    // standard toString or valueOf (both give the text): a method called
    // on a string converts it so, once per call.
    void DefaultValue(CorvelValue& result, int hint) const override;

private:
    void SetLength();

    CorvelValue m_value;
};
