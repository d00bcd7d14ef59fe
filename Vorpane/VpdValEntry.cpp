#include "VpdValEntry.h"

#include "VpdField.h"
#include "VpdVarEntry.h"

bool VpdValBitField::Compare(unsigned char* record, VpdVarEntry* var)
{
    const VpdVarBitField* field = dynamic_cast<const VpdVarBitField*>(var);
    if (!record || !field || m_value < 0)
        return false;
    const unsigned long bits = (VpdField::ReadWord(record, field->offset) & field->GetMask()) >> (field->firstBit & 31);
    return bits == static_cast<unsigned long>(m_value);
}

void VpdValBitField::Set(unsigned char* record, VpdVarEntry* var)
{
    const VpdVarBitField* field = dynamic_cast<const VpdVarBitField*>(var);
    if (!record || !field)
        return;
    const unsigned long mask = field->GetMask();
    const unsigned long shifted = (static_cast<unsigned long>(static_cast<unsigned int>(m_value)) << (field->firstBit & 31)) & 0xFFFFFFFFul;
    const unsigned long word = (VpdField::ReadWord(record, field->offset) & ~mask) | (shifted & mask);
    VpdField::WriteWord(record, field->offset, word);
}
