// Reading and writing fields of a host's record by the entries' width rules.
//
// Values are copied byte-wise, little-endian, from `record + offset`. The
// rules never touch a byte outside the field: a field narrower than the value
// a rule reads is read in its own bytes (extended by sign for signed rules),
// a field wider than the value written is filled with the value's sign, and a
// field whose size is 0 or less is neither read (it reads as 0) nor written.
// Text fields are QelString objects at the offset; their size is not used.
#pragma once

class QelString;
class VpdVarEntry;

class VpdField {
public:
    // size 4: signed 32-bit; any other size: signed 16-bit.
    static int ReadInt(const unsigned char* record, const VpdVarEntry* var);
    // size 8: a double, truncated toward zero; any other size: signed 16-bit.
    static int ReadDoubleOrShort(const unsigned char* record, const VpdVarEntry* var);
    // size 4: signed 32-bit; size 2: signed 16-bit; any other size: unsigned 8-bit.
    static int ReadIntShortOrByte(const unsigned char* record, const VpdVarEntry* var);
    // The field's bytes (at most four) in a zeroed 32-bit word.
    static unsigned long ReadUnsigned(const unsigned char* record, const VpdVarEntry* var);
    // size 8: a double; any other size: a single-precision float.
    static double ReadDoubleOrFloat(const unsigned char* record, const VpdVarEntry* var);
    // The QelString at the offset; null without a record or field.
    static QelString* StringAt(unsigned char* record, const VpdVarEntry* var);
    // Its text, "" when empty.
    static const char* ReadText(unsigned char* record, const VpdVarEntry* var);

    // Stores the low bytes of a signed value `width` bytes wide.
    static void WriteSigned(unsigned char* record, const VpdVarEntry* var, long long value, int width);
    // Stores the low bytes of an unsigned value `width` bytes wide.
    static void WriteUnsigned(unsigned char* record, const VpdVarEntry* var, unsigned long long value, int width);
    // size 8: a double; any other size: a single-precision float.
    static void WriteDoubleOrFloat(unsigned char* record, const VpdVarEntry* var, double value);
    static void WriteDouble(unsigned char* record, const VpdVarEntry* var, double value);
    static void WriteText(unsigned char* record, const VpdVarEntry* var, const char* text);

    // The whole 32-bit word at an offset (bit fields).
    static unsigned long ReadWord(const unsigned char* record, int offset);
    static void WriteWord(unsigned char* record, int offset, unsigned long word);

    // A double truncated toward zero and held within the range of int.
    static int TruncateToInt(double value);
};
