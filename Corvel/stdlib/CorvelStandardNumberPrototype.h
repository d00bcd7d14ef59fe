// CorvelStandardNumberPrototype: the prototype of Number objects; of that class itself,
// holding 0 as its primitive value, so its methods work on it too.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardNumberPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardNumberPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

    // toString(radix): the usual number text without a radix or with the
    // number 10, otherwise the integer part's digits in that radix (empty
    // for a radix outside 2..36). Raises 1026 unless `this` is a Number.
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    // The primitive number; raises 1026 unless `this` is a Number object.
    static CorvelStatus ValueOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);

    // Room for the radix text of any double: a sign, the 1024 binary digits
    // of the largest one, and the terminator.
    enum { RadixBufferSize = 1 + 1024 + 1 };
    // The digits of the integer part of `number` in `radix` (2..36), with a
    // "-" before a negative one; "NaN", "Infinity" and "-Infinity" for the
    // values that have no digits; empty for any other radix. Written into
    // the end of `buffer`.
    static const char* FormatRadix(double number, int radix, char (&buffer)[RadixBufferSize]);

private:
    // The primitive of a Number `this`; raises 1026 for anything else.
    static double ThisNumberValue(const CorvelValue& thisValue);

    CorvelValue m_value;
};
