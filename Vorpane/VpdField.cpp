#include "VpdField.h"

#include "QelString.h"
#include "VpdVarEntry.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

bool Usable(const unsigned char* record, const VpdVarEntry* var)
{
    return record && var && var->size > 0 && var->offset >= 0;
}

// Little-endian bytes of the field, at most `width` of them, as an unsigned
// number; `count` receives how many were read.
unsigned long long ReadBytes(const unsigned char* record, const VpdVarEntry* var, int width, int& count)
{
    count = 0;
    if (!Usable(record, var))
        return 0;
    count = var->size < width ? var->size : width;
    unsigned long long value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<unsigned long long>(record[var->offset + i]) << (8 * i);
    return value;
}

long long ReadSignedBytes(const unsigned char* record, const VpdVarEntry* var, int width)
{
    int count = 0;
    const unsigned long long bits = ReadBytes(record, var, width, count);
    if (count == 0)
        return 0;
    if (count < 8 && (bits >> (8 * count - 1)) & 1)
        return static_cast<long long>(bits | (~0ull << (8 * count)));
    return static_cast<long long>(bits);
}

// Stores `width` bytes of `bits` and fills the rest of a wider field with `fill`.
void WriteBytes(unsigned char* record, const VpdVarEntry* var, unsigned long long bits, int width, unsigned char fill)
{
    if (!Usable(record, var))
        return;
    for (int i = 0; i < var->size; ++i)
        record[var->offset + i] = i < width ? static_cast<unsigned char>(bits >> (8 * i)) : fill;
}

}  // namespace

int VpdField::ReadInt(const unsigned char* record, const VpdVarEntry* var)
{
    const int width = var && var->size == 4 ? 4 : 2;
    return static_cast<int>(ReadSignedBytes(record, var, width));
}

int VpdField::ReadDoubleOrShort(const unsigned char* record, const VpdVarEntry* var)
{
    if (Usable(record, var) && var->size == 8) {
        double value;
        std::memcpy(&value, record + var->offset, sizeof value);
        return TruncateToInt(value);
    }
    return static_cast<int>(ReadSignedBytes(record, var, 2));
}

int VpdField::ReadIntShortOrByte(const unsigned char* record, const VpdVarEntry* var)
{
    if (var && var->size == 4)
        return static_cast<int>(ReadSignedBytes(record, var, 4));
    if (var && var->size == 2)
        return static_cast<int>(ReadSignedBytes(record, var, 2));
    int count = 0;
    return static_cast<int>(ReadBytes(record, var, 1, count));
}

unsigned long VpdField::ReadUnsigned(const unsigned char* record, const VpdVarEntry* var)
{
    int count = 0;
    return static_cast<unsigned long>(ReadBytes(record, var, 4, count));
}

double VpdField::ReadDoubleOrFloat(const unsigned char* record, const VpdVarEntry* var)
{
    int count = 0;
    if (var && var->size == 8) {
        const unsigned long long bits = ReadBytes(record, var, 8, count);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const unsigned int bits = static_cast<unsigned int>(ReadBytes(record, var, 4, count));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QelString* VpdField::StringAt(unsigned char* record, const VpdVarEntry* var)
{
    if (!record || !var || var->offset < 0)
        return nullptr;
    return reinterpret_cast<QelString*>(record + var->offset);
}

const char* VpdField::ReadText(unsigned char* record, const VpdVarEntry* var)
{
    const QelString* text = StringAt(record, var);
    return text ? text->GetText() : "";
}

void VpdField::WriteSigned(unsigned char* record, const VpdVarEntry* var, long long value, int width)
{
    WriteBytes(record, var, static_cast<unsigned long long>(value), width, value < 0 ? 0xFF : 0x00);
}

void VpdField::WriteUnsigned(unsigned char* record, const VpdVarEntry* var, unsigned long long value, int width)
{
    WriteBytes(record, var, value, width, 0x00);
}

void VpdField::WriteDoubleOrFloat(unsigned char* record, const VpdVarEntry* var, double value)
{
    if (var && var->size == 8) {
        WriteDouble(record, var, value);
        return;
    }
    const float single = static_cast<float>(value);
    unsigned int bits;
    std::memcpy(&bits, &single, sizeof bits);
    WriteBytes(record, var, bits, 4, 0x00);
}

void VpdField::WriteDouble(unsigned char* record, const VpdVarEntry* var, double value)
{
    unsigned long long bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteBytes(record, var, bits, 8, 0x00);
}

void VpdField::WriteText(unsigned char* record, const VpdVarEntry* var, const char* text)
{
    if (QelString* target = StringAt(record, var))
        *target = text ? text : "";
}

unsigned long VpdField::ReadWord(const unsigned char* record, int offset)
{
    unsigned long word = 0;
    if (!record || offset < 0)
        return word;
    for (int i = 0; i < 4; ++i)
        word |= static_cast<unsigned long>(record[offset + i]) << (8 * i);
    return word;
}

void VpdField::WriteWord(unsigned char* record, int offset, unsigned long word)
{
    if (!record || offset < 0)
        return;
    for (int i = 0; i < 4; ++i)
        record[offset + i] = static_cast<unsigned char>(word >> (8 * i));
}

int VpdField::TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);  // truncates toward zero
}
