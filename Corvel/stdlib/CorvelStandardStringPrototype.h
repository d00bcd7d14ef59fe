// CorvelStandardStringPrototype: the prototype of String objects; of that class itself,
// holding the empty string as its primitive value.
//
// Script strings are byte strings: positions and lengths count bytes. Apart
// from toString and valueOf, the methods work on ToString of any this value.
// Positions are ToInteger of the argument held to the 32-bit range.
#pragma once

#include "CorvelStandardPrototype.h"

class CorvelStandardStringPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardStringPrototype();

    ClassType Class() const override;
    const CorvelValue& Value() const override;
    void SetupObject() override;

    // Whether `method` is one of this prototype's own methods that read
    // their this value only as text (every one but toString and valueOf):
    // called on a primitive string, it gives the same with the string
    // itself as this as with a String object made of it.
    static bool ReadsThisAsText(const CorvelValue& method);

    // The primitive string of a String object; raises 1024 for any other
    // this value. valueOf is the same function.
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    static CorvelStatus ValueOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    // charAt(pos = 0): the one-byte string at pos, empty when out of range.
    static CorvelStatus CharAt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                               const CorvelValue& thisValue);
    // charCodeAt(pos = 0): the byte at pos as 0..255, NaN when out of range.
    static CorvelStatus CharCodeAt(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                   const CorvelValue& thisValue);
    // indexOf(search = "undefined", pos = 0): the first match at or after
    // pos, or -1.
    static CorvelStatus IndexOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    // lastIndexOf(search = "undefined", pos = length): the last match
    // starting at or before pos, or -1.
    static CorvelStatus LastIndexOf(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    // split(separator): a new array of the pieces between separators; the
    // whole text without a separator, every byte for an empty one.
    static CorvelStatus Split(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                              const CorvelValue& thisValue);
    // substring(start = 0, end = length): both held to 0..length and put in
    // order.
    static CorvelStatus Substring(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                  const CorvelValue& thisValue);
    // ASCII letters only; other bytes are copied unchanged.
    static CorvelStatus ToLowerCase(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);
    static CorvelStatus ToUpperCase(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                    const CorvelValue& thisValue);

private:
    CorvelValue m_value;
};
