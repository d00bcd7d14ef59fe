#include "VpdVarEntry.h"

unsigned long VpdVarBitField::GetMask() const
{
    unsigned long mask = 0;
    // After 32 bits every position is set; further ones change nothing.
    const int count = bitCount < 32 ? bitCount : 32;
    for (int i = 0; i < count; ++i)
        mask |= 1ul << ((firstBit + i) & 31);
    return mask;
}
