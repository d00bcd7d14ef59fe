// Value descriptors: constants that a field can be tested against or set to
// (the checked and unchecked values of buttons, the inactive values of entries).
#pragma once

class VpdVarEntry;

// Hosts derive their own value classes; the entry that is handed one owns it
// and deletes it through this base, hence the virtual destructor.
class VpdValEntry {
public:
    virtual ~VpdValEntry() = default;
    // True when the field described by `var` holds this value.
    virtual bool Compare(unsigned char* record, VpdVarEntry* var) = 0;
    // Writes this value into that field.
    virtual void Set(unsigned char* record, VpdVarEntry* var) = 0;
};

// A value of a bit field. It only makes sense with a VpdVarBitField: paired
// with any other field descriptor it compares false and writes nothing.
class VpdValBitField : public VpdValEntry {
public:
    explicit VpdValBitField(int value) : m_value(value) {}

    // Reads the 32-bit word at the field's offset, masks it and shifts it down
    // (unsigned), so a field holding bit 31 never equals a negative value.
    bool Compare(unsigned char* record, VpdVarEntry* var) override;
    // Replaces the field's bits in the word with the value shifted into place.
    // Bits of the value beyond the field are dropped, so a value that does not
    // fit can never spill into neighbouring fields.
    void Set(unsigned char* record, VpdVarEntry* var) override;

    int GetValue() const { return m_value; }

private:
    int m_value;
};
