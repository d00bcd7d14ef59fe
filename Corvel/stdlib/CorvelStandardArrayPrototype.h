// CorvelStandardArrayPrototype: the prototype of arrays. It is array-like
// itself: it has a "length" of its own that follows the indices stored on it.
// Its methods work on any object with a "length".
#pragma once

#include "CorvelStandardPrototype.h"

#include <cstddef>
#include <cstdint>

class CorvelStandardArrayPrototype : public CorvelStandardPrototype {
public:
    CorvelStandardArrayPrototype();

    void SetupObject() override;
    // The length rules of arrays.
    void Put(const char* name, const CorvelValue& value) override;
    void ResetObject() override;

    uint32_t GetLength() const { return m_length; }

    // The longest text join makes, in bytes; a longer result is refused with
    // run-time error 1033 "Text too long".
    static constexpr size_t kLongestText = size_t(1) << 28;

    // join with the default separator.
    static CorvelStatus ToString(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                 const CorvelValue& thisValue);
    // The elements as text between separators ("," by default); undefined
    // and null elements give empty text. Raises 1033 rather than make a text
    // longer than kLongestText.
    static CorvelStatus Join(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);
    // Reverses in place, keeping holes as holes; answers the this value.
    static CorvelStatus Reverse(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                                const CorvelValue& thisValue);
    // Sorts in place by text or by a compare function; holes come back as
    // undefined elements, which sort last. Answers the this value. An object
    // whose length lies far beyond its elements is sorted from the indices
    // it stores, and the holes after the sorted values then stay holes.
    static CorvelStatus Sort(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                             const CorvelValue& thisValue);

    // Negative when x goes before y. A compare function runs to its end even
    // if it suspends; one that fails raises 1000.
    static int SortCompare(CorvelExecutionContext* context, const CorvelValue& thisValue, const CorvelValue& x,
                           const CorvelValue& y, CorvelObject* compareFunction);

private:
    // The shared Put of arrays works on the property table directly.
    friend class CorvelStandardArrayInstance;

    uint32_t m_length = 0;
};
