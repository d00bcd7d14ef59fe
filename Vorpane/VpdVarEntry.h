// Field descriptors: where a value lives in a host's record.
#pragma once

// A field given by its byte offset from the start of the record and its width
// in bytes. Entries interpret the width by their reading rules (VpdField); a
// width of 0 or less marks a field that is neither read nor written.
class VpdVarEntry {
public:
    VpdVarEntry() = default;
    VpdVarEntry(int offset, int size) : offset(offset), size(size) {}
    virtual ~VpdVarEntry() = default;

    int offset = 0;
    int size = 0;
};

// A bit field inside the 32-bit word at `offset`: bits firstBit through
// firstBit + bitCount - 1 (bit 0 is the least significant). The word is
// always read and written whole, whatever `size` says.
class VpdVarBitField : public VpdVarEntry {
public:
    VpdVarBitField(int offset, int size, int firstBit, int bitCount)
        : VpdVarEntry(offset, size), firstBit(firstBit), bitCount(bitCount) {}

    // The field's bits set; every bit position is taken modulo 32, so a field
    // running past bit 31 wraps to the low bits. No bits when bitCount <= 0.
    unsigned long GetMask() const;

    int firstBit = 0;
    int bitCount = 0;
};
