// CorvelStandardArrayInstance: an Array object. The elements are properties
// named by array indices, kept densely from index 0 on (see
// CorvelElementStore) and as ordinary named properties far beyond; the
// length is kept beside them and mirrored in a non-enumerable, undeletable
// "length" property.
#pragma once

#include "CorvelStandardInstance.h"

#include <cstdint>

class CorvelStandardArrayInstance : public CorvelStandardInstance {
public:
    // An empty array: length 0.
    CorvelStandardArrayInstance();

    // The environment's Array prototype.
    CorvelObject* Prototype() const override;
    ClassType Class() const override;
    // Index names stretch the length; "length" truncates or extends the
    // array and raises 1018 "Illegal array length" for a value whose
    // integer part lies outside the 32-bit range.
    void Put(const char* name, const CorvelValue& value) override;
    void PutElement(uint32_t index, const CorvelValue& value) override;
    // Leaves an empty array of length 0.
    void ResetObject() override;

    uint32_t GetLength() const { return m_length; }
    // Stores `value` as the element after the last one. A no-op at the
    // largest length, where no further index exists.
    void Append(const CorvelValue& value);

    // True when `name` is an array index: the plain decimal text of a number
    // below 2^32 - 1, without sign or leading zeros. Its value goes to `index`.
    static bool IsArrayIndex(const char* name, uint32_t& index) {
        return CorvelElementStore::ParseIndex(name, index);
    }

    // The element name of `index` ("%u"), written into the end of `buffer`.
    static const char* FormatIndex(uint32_t index, char (&buffer)[16]) {
        return CorvelElementStore::FormatIndex(index, buffer);
    }

    // The Put of arrays, shared with the Array prototype (which is array-like
    // too). `length` is the object's stored length.
    template <class ArrayObject>
    static void PutArrayProperty(ArrayObject* object, uint32_t& length, const char* name, const CorvelValue& value);

private:
    template <class ArrayObject>
    static void RemoveElementsFrom(ArrayObject* object, uint32_t newLength, uint32_t oldLength);

    // Sets the "length" property and remembers where its value is.
    void StoreLengthProperty();

    uint32_t m_length = 0;
    // The "length" property's value, written in place as elements are
    // added. The property can be neither deleted nor removed (truncation
    // removes index names only), so it lasts as long as the array, except
    // across a reset, which stores it anew.
    CorvelValue* m_lengthValue = nullptr;
};
