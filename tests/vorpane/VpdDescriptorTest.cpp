// Field and value descriptors, and the width rules by which entries read
// and write fields.
#include "QelString.h"
#include "VpdField.h"
#include "VpdValEntry.h"
#include "VpdVarEntry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

uint32_t Word(const unsigned char* bytes)
{
    uint32_t word;
    std::memcpy(&word, bytes, 4);
    return word;
}

void PutWord(unsigned char* bytes, uint32_t word)
{
    std::memcpy(bytes, &word, 4);
}

}  // namespace

TEST(VpdBitField, MaskCoversTheFieldsBitsWithPositionsModulo32)
{
    EXPECT_EQ(VpdVarBitField(0, 4, 3, 2).GetMask(), 24ul);
    EXPECT_EQ(VpdVarBitField(0, 4, 3, 0).GetMask(), 0ul);
    EXPECT_EQ(VpdVarBitField(0, 4, 3, -5).GetMask(), 0ul);
    EXPECT_EQ(VpdVarBitField(0, 4, 0, 32).GetMask(), 0xFFFFFFFFul);
    EXPECT_EQ(VpdVarBitField(0, 4, 31, 1).GetMask(), 0x80000000ul);
    // Past bit 31 the positions wrap round to the low bits.
    EXPECT_EQ(VpdVarBitField(0, 4, 30, 4).GetMask(), 0xC0000003ul);
    EXPECT_EQ(VpdVarBitField(0, 4, 35, 1).GetMask(), 8ul);
}

TEST(VpdBitField, SetReplacesOnlyTheFieldsBitsAndCompareReadsThemBack)
{
    unsigned char record[8] = {};
    PutWord(record + 4, 255);
    VpdVarBitField field(4, 4, 3, 2);
    VpdValBitField two(2), one(1);
    two.Set(record, &field);
    EXPECT_EQ(Word(record + 4), 247u);
    EXPECT_TRUE(two.Compare(record, &field));
    EXPECT_FALSE(one.Compare(record, &field));
    EXPECT_EQ(Word(record), 0u) << "the word before the field is untouched";
}

TEST(VpdBitField, ValueTooWideForTheFieldKeepsToItsBits)
{
    unsigned char record[4] = {};
    VpdVarBitField field(0, 4, 3, 2);
    VpdValBitField wide(7);  // three bits into a two-bit field
    wide.Set(record, &field);
    EXPECT_EQ(Word(record), 24u);
}

TEST(VpdBitField, EmptyFieldEqualsZeroOnAnyRecord)
{
    unsigned char record[4];
    PutWord(record, 0xDEADBEEF);
    VpdVarBitField empty(0, 4, 3, 0);
    EXPECT_TRUE(VpdValBitField(0).Compare(record, &empty));
    EXPECT_FALSE(VpdValBitField(1).Compare(record, &empty));
}

TEST(VpdBitField, CompareShiftsUnsignedSoBit31NeverMakesANegativeValue)
{
    unsigned char record[4];
    PutWord(record, 0xFFFFFFFF);
    VpdVarBitField top(0, 4, 28, 4);
    EXPECT_TRUE(VpdValBitField(15).Compare(record, &top));
    EXPECT_FALSE(VpdValBitField(-1).Compare(record, &top));
    VpdVarBitField whole(0, 4, 0, 32);
    EXPECT_FALSE(VpdValBitField(-1).Compare(record, &whole));
    PutWord(record, 0x7FFFFFFF);
    EXPECT_TRUE(VpdValBitField(0x7FFFFFFF).Compare(record, &whole));
}

TEST(VpdBitField, PairedWithAPlainFieldItComparesFalseAndWritesNothing)
{
    unsigned char record[4];
    PutWord(record, 0);
    VpdVarEntry plain(0, 4);
    VpdValBitField zero(0), five(5);
    EXPECT_FALSE(zero.Compare(record, &plain));
    five.Set(record, &plain);
    EXPECT_EQ(Word(record), 0u);
    EXPECT_FALSE(five.Compare(record, nullptr));
    five.Set(record, nullptr);
    EXPECT_EQ(Word(record), 0u);
}

TEST(VpdField, IntegerRuleReadsSize4As32BitAndOtherSizesAs16Bit)
{
    unsigned char record[8];
    PutWord(record, 0xFFFF8000u);
    PutWord(record + 4, 0x00012345u);
    EXPECT_EQ(VpdField::ReadInt(record, std::make_unique<VpdVarEntry>(0, 4).get()), -32768);
    EXPECT_EQ(VpdField::ReadInt(record, std::make_unique<VpdVarEntry>(0, 2).get()), -32768);
    EXPECT_EQ(VpdField::ReadInt(record, std::make_unique<VpdVarEntry>(4, 4).get()), 0x12345);
    EXPECT_EQ(VpdField::ReadInt(record, std::make_unique<VpdVarEntry>(4, 8).get()), 0x2345);
    // A one-byte field is read in its own byte, extended by its sign.
    record[0] = 0xFE;
    EXPECT_EQ(VpdField::ReadInt(record, std::make_unique<VpdVarEntry>(0, 1).get()), -2);
}

TEST(VpdField, OtherReadingRules)
{
    unsigned char record[16] = {};
    const double d = -2.7;
    std::memcpy(record, &d, 8);
    EXPECT_EQ(VpdField::ReadDoubleOrShort(record, std::make_unique<VpdVarEntry>(0, 8).get()), -2);
    PutWord(record + 8, 0x0001FFFE);
    EXPECT_EQ(VpdField::ReadDoubleOrShort(record, std::make_unique<VpdVarEntry>(8, 4).get()), -2);
    EXPECT_EQ(VpdField::ReadIntShortOrByte(record, std::make_unique<VpdVarEntry>(8, 4).get()), 0x1FFFE);
    EXPECT_EQ(VpdField::ReadIntShortOrByte(record, std::make_unique<VpdVarEntry>(8, 2).get()), -2);
    EXPECT_EQ(VpdField::ReadIntShortOrByte(record, std::make_unique<VpdVarEntry>(8, 1).get()), 0xFE);
    EXPECT_EQ(VpdField::ReadIntShortOrByte(record, std::make_unique<VpdVarEntry>(8, 3).get()), 0xFE);
    EXPECT_EQ(VpdField::ReadUnsigned(record, std::make_unique<VpdVarEntry>(8, 2).get()), 0xFFFEul);
    EXPECT_EQ(VpdField::ReadUnsigned(record, std::make_unique<VpdVarEntry>(8, 8).get()), 0x1FFFEul);
    const float f = 1.5f;
    std::memcpy(record + 12, &f, 4);
    EXPECT_EQ(VpdField::ReadDoubleOrFloat(record, std::make_unique<VpdVarEntry>(12, 4).get()), 1.5);
    EXPECT_EQ(VpdField::ReadDoubleOrFloat(record, std::make_unique<VpdVarEntry>(0, 8).get()), -2.7);
}

TEST(VpdField, WritingNeverGoesPastTheValueOrTheField)
{
    // Guard bytes on both sides show any stray write.
    unsigned char record[16];
    std::memset(record, 0xAA, sizeof record);
    // An 8-byte field takes a 32-bit value extended by its sign.
    VpdVarEntry wide(4, 8);
    VpdField::WriteSigned(record, &wide, -2, 4);
    for (int i = 4; i < 12; ++i)
        EXPECT_EQ(record[i], 0xFF - (i == 4 ? 1 : 0)) << "byte " << i;
    EXPECT_EQ(record[3], 0xAA);
    EXPECT_EQ(record[12], 0xAA);
    VpdField::WriteSigned(record, &wide, 7, 4);
    long long stored;
    std::memcpy(&stored, record + 4, 8);
    EXPECT_EQ(stored, 7);
    // A two-byte field keeps the low bytes.
    VpdVarEntry narrow(0, 2);
    VpdField::WriteSigned(record, &narrow, 0x12345, 4);
    EXPECT_EQ(record[0], 0x45);
    EXPECT_EQ(record[1], 0x23);
    EXPECT_EQ(record[2], 0xAA);
    // Unsigned values fill with zeros.
    VpdField::WriteUnsigned(record, &wide, 0xFFFFFFFFu, 4);
    EXPECT_EQ(record[8], 0x00);
}

TEST(VpdField, SizeOfZeroOrLessIsNeitherReadNorWritten)
{
    unsigned char record[8];
    std::memset(record, 0x55, sizeof record);
    for (int size : {0, -1, -100000}) {
        VpdVarEntry field(2, size);
        EXPECT_EQ(VpdField::ReadInt(record, &field), 0);
        EXPECT_EQ(VpdField::ReadUnsigned(record, &field), 0ul);
        EXPECT_EQ(VpdField::ReadDoubleOrFloat(record, &field), 0.0);
        VpdField::WriteSigned(record, &field, -1, 4);
        VpdField::WriteDoubleOrFloat(record, &field, 3.0);
    }
    for (unsigned char byte : record)
        EXPECT_EQ(byte, 0x55);
}

TEST(VpdField, TextFieldsAreStringObjects)
{
    struct Record {
        int before;
        QelString text;
    } record{7, "old"};
    VpdVarEntry field(offsetof(Record, text), sizeof(QelString));
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    EXPECT_STREQ(VpdField::ReadText(bytes, &field), "old");
    VpdField::WriteText(bytes, &field, "new text");
    EXPECT_EQ(record.text, "new text");
    VpdField::WriteText(bytes, &field, "");
    EXPECT_TRUE(record.text.IsEmpty());
    EXPECT_STREQ(VpdField::ReadText(bytes, &field), "");
    EXPECT_EQ(record.before, 7);
}

TEST(VpdValEntry, DerivedValuesAreDestroyedThroughTheBase)
{
    // A host's value that owns something of its own: deleting it through the
    // base must run its destructor (the sanitizers see a leak otherwise).
    struct Owning : VpdValEntry {
        Owning(int* destroyed) : destroyed(destroyed), text(new QelString("owned")) {}
        ~Owning() override { ++*destroyed; delete text; }
        bool Compare(unsigned char*, VpdVarEntry*) override { return false; }
        void Set(unsigned char*, VpdVarEntry*) override {}
        int* destroyed;
        QelString* text;
    };
    int destroyed = 0;
    VpdValEntry* value = new Owning(&destroyed);
    delete value;
    EXPECT_EQ(destroyed, 1);
}
