// CorvelValue: the one value type of the interpreter. Primitives, object keys
// and references, with the language's conversions and the host's lenient
// ones. Values never hold object pointers: they hold keys of the object table.
#pragma once

#include "QelString.h"

#include <cstdint>

class CorvelExecutionContext;
class CorvelObject;

class CorvelValue {
public:
    enum Type : int32_t { Undefined = 0, Null = 1, Boolean = 2, Number = 3, String = 4, Object = 5, Reference = 6 };
    enum Attributes : int32_t { None = 0, ReadOnly = 0x10, DontEnum = 0x20, DontDelete = 0x40 };
    // The four relational operators, as the relational comparison needs them.
    enum Relation : int32_t { LessThan, LessThanOrEqual, GreaterThan, GreaterThanOrEqual };

    constexpr CorvelValue() {}
    // An empty payload of that type: 0, false, key 0, or the empty text.
    explicit CorvelValue(Type type);
    explicit CorvelValue(bool value) : m_type(Boolean) { m_payload.boolean = value; }
    explicit CorvelValue(double value) : m_type(Number) { m_payload.number = value; }
    explicit CorvelValue(long value) : m_type(Number) { m_payload.number = (double)value; }
    explicit CorvelValue(int value) : m_type(Number) { m_payload.number = (double)value; }
    // An Object value; holds a reference on the key.
    explicit CorvelValue(unsigned long key);
    // A String of the first `length` bytes of `text` (-1: all of it). The
    // text ends at its first NUL whatever the length.
    CorvelValue(const char* text, int length = -1);
    // A Reference to property `name` of the object `baseKey` (0: no base).
    CorvelValue(unsigned long baseKey, const char* name);
    CorvelValue(const CorvelValue& other)
        : m_type(other.m_type), m_attributes(other.m_attributes), m_payload(other.DuplicatePayload()) {}
    // A copy of `*other`; Undefined for a null pointer.
    explicit CorvelValue(const CorvelValue* other);
    // Takes over the payload; `other` is left Undefined.
    CorvelValue(CorvelValue&& other) noexcept
        : m_type(other.m_type), m_attributes(other.m_attributes), m_payload(other.m_payload) {
        other.m_type = Undefined;
        other.m_payload = Payload{};
    }
    ~CorvelValue() { EmptyValue(); }

    // Virtual so that a value held through a base pointer copies correctly.
    virtual CorvelValue& operator=(const CorvelValue& other);
    CorvelValue& operator=(CorvelValue&& other) noexcept {
        if (this != &other) TakeFrom(other);
        return *this;
    }
    // What operator= does, without asking the value's class: for values the
    // interpreter holds itself (locals, properties, results), where a copy
    // between two primitives is the common case and needs no call.
    void Assign(const CorvelValue& other) {
        if (!HoldsPayload(m_type) && !HoldsPayload(other.m_type)) {
            m_type = other.m_type;
            m_attributes = other.m_attributes;
            m_payload = other.m_payload;
            return;
        }
        if (this != &other) AssignHeld(other);
    }

    // Setters replace the payload and keep the attributes. A setter may be
    // given text that the value itself holds.
    void SetUndefined() { Replace(Undefined, Payload{}); }
    void SetNull() { Replace(Null, Payload{}); }
    void SetBool(bool value) {
        Payload payload{};
        payload.boolean = value;
        Replace(Boolean, payload);
    }
    void SetNumber(double value) {
        Payload payload;
        payload.number = value;
        Replace(Number, payload);
    }
    void SetInt(int value) { SetNumber((double)value); }
    void SetString(const char* text, int length = -1);
    // The texts of two String values one after the other; either may be
    // this value itself.
    void SetJoinedString(const CorvelValue& first, const CorvelValue& second);
    void SetObject(unsigned long key);
    // An Object value of an object at hand, counted on the object itself.
    void SetObject(CorvelObject* object);
    void SetReference(unsigned long baseKey, const char* name);
    // The same, sharing the text of the String value `name`.
    void SetReference(unsigned long baseKey, const CorvelValue& name);
    // A Reference to the element `index` (an array index) of the object
    // `baseKey`: reading and writing through it never makes the index's
    // text; GetPropertyName makes it on first request.
    void SetElementReference(unsigned long baseKey, uint32_t index);
    // The same for this Object value's object: the reference takes over
    // the value's hold on the key.
    void MakeElementReference(uint32_t index);
    // A reference to property `name` (a String value) of this Object value's
    // object, taking over the value's hold on the key as above.
    void MakeNamedReference(const CorvelValue& name);
    // SetReference for a base object at hand (null: no base): its count is
    // taken on the object itself, without finding it by key.
    void SetReference(CorvelObject* base, const CorvelValue& name);
    void SetAttributes(int32_t attributes) { m_attributes = attributes; }

    // Plain getters: the caller knows the type.
    Type GetType() const { return m_type; }
    int32_t GetAttributes() const { return m_attributes; }
    bool GetBool() const { return m_payload.boolean; }
    double GetNumber() const { return m_payload.number; }
    const char* GetString() const { return m_payload.text; }
    // The length of a String value's text in bytes (0 for other types).
    int GetStringLength() const;
    unsigned long GetObjectKey() const { return m_payload.object.key; }

    // Getters that check the type.
    unsigned long ForceGetObjectKey() const { return m_type == Object ? m_payload.object.key : 0; }
    unsigned long GetBaseObjectKey() const;  // throws 1011 unless a reference
    const char* GetPropertyName() const;     // throws 1012 unless a reference

    // The object of an Object value; throws 1013 when no object has the key.
    CorvelObject* GetObject() const;
    // The object of an Object value, or null.
    CorvelObject* ForceGetObject() const;
    // The base object of a Reference, or null when it has none or it is
    // gone; throws 1011 unless a reference.
    CorvelObject* GetBaseObject() const;

    // An Object value referring to `object` (registering it if needed).
    static CorvelValue ObjectValue(CorvelObject* object);
    // Makes this an Object value referring to a newly made object. An
    // object that cannot be registered (no object table) could never be
    // reached or freed: it is deleted and the value refers to no object.
    void SetNewObject(CorvelObject* object);

    // Lenient host conversions: never change the value.
    bool ForceGetBool() const;
    int ForceGetInteger() const;
    double ForceGetNumber() const;
    QelString ForceGetString() const;

    // Host text: "true"/"false" in any case, whole integers, whole reals,
    // otherwise the text itself.
    void ConvertFromString(const char* text);

    // Language conversions, in place.
    void ToPrimitive(Type hint = Undefined);
    void ToBoolean();
    void ToNumber() {
        if (m_type != Number) ConvertToNumber();
    }
    void ToInteger();
    int32_t ToInt32();
    uint32_t ToUint32();
    uint16_t ToUint16();
    void ToString();
    // The property name a subscript selects: ToString, except that an array
    // index (an integer from 0 to 2^32 - 2) gets its full decimal text, so
    // that a[1000001] and a["1000001"] are the same element.
    void ToPropertyName();
    // True when this is a Number that ToPropertyName turns into an array
    // index; the index goes to `index`.
    bool IsArrayIndexNumber(uint32_t& index) const {
        if (m_type != Number) return false;
        double number = m_payload.number;
        if (!(number >= 0 && number <= 4294967294.0)) return false;
        index = (uint32_t)number;
        return (double)index == number;
    }
    // Wraps a primitive in a new Boolean, Number or String object; throws
    // 1020 for undefined and null.
    void ToObject();

    // Reads through a Reference (throws 1013 or 1029 when the base is
    // missing); other values are left alone.
    void GetValue() {
        if (m_type == Reference) ReadReference();
    }
    // Writes through a Reference; a reference without a live base writes to
    // the session's global object. Throws 1014 for anything else.
    void PutValue(CorvelExecutionContext* context, const CorvelValue& value) const;

    // Abstract equality; both operands may be converted in place.
    bool ECMAAbstractEquality(CorvelValue& other);
    // Relational comparison with this value on the left; both operands may
    // be converted in place. NaN on either side answers false.
    bool ECMARelationalComparison(CorvelValue& right, Relation relation);

    // ---- Operators (Corvel/values/CorvelValueOperators.cpp) ----
    // The computations of the language's operators, on operands that the
    // syntax tree has already fetched and dereferenced. The result is left
    // in this value; errors are raised. The codes are the operator node's
    // type numbers.
    enum ECMAOperatorType : int32_t {
        ECMAPlus = 0, ECMAMinus = 1, ECMAAdd = 2, ECMASubtract = 3, ECMAMultiply = 4, ECMADivide = 5,
        ECMAModulo = 6, ECMAEqual = 7, ECMANotEqual = 8, ECMALessThan = 9, ECMALessThanEqual = 10,
        ECMAGreaterThan = 11, ECMAGreaterThanEqual = 12, ECMAOr = 13, ECMAAnd = 14, ECMANot = 15,
        ECMABitNot = 16, ECMABitAnd = 17, ECMABitXor = 18, ECMABitOr = 19, ECMAShiftLeft = 20,
        ECMAShiftRight = 21, ECMAShiftRightUnsigned = 22, ECMAAssign = 23, ECMAPlusAssign = 24,
        ECMAMinusAssign = 25, ECMAMultiplyAssign = 26, ECMADivideAssign = 27, ECMABitAndAssign = 28,
        ECMABitOrAssign = 29, ECMABitXorAssign = 30, ECMAModuloAssign = 31, ECMALeftShiftAssign = 32,
        ECMARightShiftAssign = 33, ECMARightShiftUnsignedAssign = 34, ECMADelete = 35, ECMAVoid = 36,
        ECMATypeof = 37, ECMAComma = 38, ECMAPostIncrement = 39, ECMAPreIncrement = 40, ECMAPostDecrement = 41,
        ECMAPreDecrement = 42
    };
    // This value becomes `type` applied to it, for the unary operators that
    // compute from their dereferenced operand: + - ! ~ void, and typeof of
    // a value. Other codes leave the value alone.
    void ECMAUnaryOperation(ECMAOperatorType type);
    // This value becomes this value `type` `right`, for the binary operators
    // that compute from both operands (arithmetic, equality, comparison,
    // bit operators, shifts); `right` may be converted. Other codes leave
    // the value alone.
    void ECMABinaryOperation(ECMAOperatorType type, CorvelValue& right);
    // The operator applied to two numbers, the result written to `result`
    // (which may be neither operand); false, with `result` untouched, for
    // an operator that is not arithmetic, a comparison or a bit operation.
    static bool NumberOperation(ECMAOperatorType type, double x, double y, CorvelValue& result);
    // Whether the operator makes a number of two numbers: the arithmetic,
    // bit and shift operators.
    static bool IsNumberArithmetic(ECMAOperatorType type) {
        return (type >= ECMAAdd && type <= ECMAModulo) || (type >= ECMABitAnd && type <= ECMAShiftRightUnsigned);
    }
    // That number; `type` must be one of those operators.
    static double NumberArithmetic(ECMAOperatorType type, double x, double y);

private:
    static bool ComputeNumbers(ECMAOperatorType type, double x, double y, CorvelValue& result);

public:
    // ---- end of operators ----

    // Host comparisons on copies.
    bool operator==(const CorvelValue& other) const;
    bool operator!=(const CorvelValue& other) const { return !(*this == other); }
    bool operator<(const CorvelValue& other) const { return Compare(other, LessThan); }
    bool operator<=(const CorvelValue& other) const { return Compare(other, LessThanOrEqual); }
    bool operator>(const CorvelValue& other) const { return Compare(other, GreaterThan); }
    bool operator>=(const CorvelValue& other) const { return Compare(other, GreaterThanOrEqual); }

    // Number to text by the "%g" rule ("NaN", "Infinity", "-Infinity", "0").
    static QelString NumberToString(double number);
    // Text to number by the language's string rules.
    static double StringToNumber(const char* text);

    // Identifier utilities for hosts.
    static void ConvertToLegalIdentifier(QelString& name);
    static bool CompareAsLegalIdentifier(const char* legalIdentifier, const char* name);

    static const CorvelValue ms_null;
    static const CorvelValue ms_undefined;

private:
    union Payload {
        bool boolean;
        double number;
        char* text;
        struct {
            uint32_t key;
            // References only: the property's name, or null for an element
            // reference, which names the property by `index` instead.
            uint32_t index;
            char* name;
        } object;
    };

    // Types from String on hold a text, a name or a key.
    static bool HoldsPayload(Type type) { return type >= String; }
    // Releases text, name or key; the payload is cleared, the type kept.
    void EmptyValue() {
        if (HoldsPayload(m_type)) ReleaseHeldPayload();
    }
    void ReleaseHeldPayload();
    // Assignment where either value holds a payload.
    void AssignHeld(const CorvelValue& other);
    // Takes over `other`'s payload and attributes; `other` is left Undefined.
    void TakeFrom(CorvelValue& other) {
        Type type = other.m_type;
        Payload payload = other.m_payload;
        other.m_type = Undefined;
        other.m_payload = Payload{};
        m_attributes = other.m_attributes;
        Replace(type, payload);
    }
    // Puts a new payload in place and only then releases the old one, so a
    // release that ends an object's life (and maybe this value's) comes last.
    void Replace(Type type, const Payload& payload) {
        Type oldType = m_type;
        Payload old = m_payload;
        m_type = type;
        m_payload = payload;
        if (HoldsPayload(oldType)) ReleasePayload(oldType, old);
    }
    // The payload a copy of this value needs: shared text or name, counted key.
    Payload DuplicatePayload() const { return HoldsPayload(m_type) ? DuplicateHeldPayload() : m_payload; }
    Payload DuplicateHeldPayload() const;
    static void ReleasePayload(Type type, const Payload& payload);
    static char* DuplicateText(const char* text, int length = -1);
    // A new text of `size` bytes (plus the terminating NUL) for the caller to fill.
    static char* AllocateText(size_t size);
    // One more holder of a text made by DuplicateText.
    static char* ShareText(char* text);

public:
    // The hashes of a value's text kept by KeepTextHash; false when none are.
    // `text` must be the text of a value (a String's, or a Reference's name).
    static bool GetTextHash(const char* text, uint32_t& length, uint32_t& bucket, uint32_t& indexHash);
    // Keeps a String's hashes as a property name beside its text. Only the
    // value that made the text, before it is shared, may do so.
    void KeepTextHash(uint32_t bucket, uint32_t indexHash);
    static const uint32_t kNoHash = UINT32_MAX;

private:
    // One holder fewer; the last one frees the text.
    static void FreeText(char* text);

public:
    struct TextHeader;

private:
    static TextHeader* HeaderOf(const char* text);

    struct NullTag {};
    // Lets ms_null be built before any code runs.
    explicit constexpr CorvelValue(NullTag) : m_type(Null) {}

    void ConvertToNumber();
    void ReadReference();
    bool EqualsSameType(const CorvelValue& other) const;
    bool Compare(const CorvelValue& other, Relation relation) const;
    // Asks an Object value's object for its default value, written into this
    // value. False, and the value unchanged, when no object has the key.
    bool ConvertObjectToPrimitive(Type hint);
    // The default value for the lenient conversions: still an Object when
    // the object gave one back or cannot be found.
    CorvelValue ForceGetPrimitive(Type hint) const;

    // Reference counting through the object table; the only place where keys
    // are counted. Key 0 names no object.
    static void AddRef(unsigned long key);
    static void ReleaseRef(unsigned long key);

    Type m_type = Undefined;
    int32_t m_attributes = 0;
    Payload m_payload{};
};
