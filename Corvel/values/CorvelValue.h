// CorvelValue: the one value type of the interpreter. Primitives, object keys
// and references, with the language's conversions and the host's lenient
// ones. Values never hold object pointers: they hold keys of the object table.
#pragma once

#include "QelString.h"

#include <cstdint>

class CorvelExecutionContext;

class CorvelValue {
public:
    enum Type : int32_t { Undefined = 0, Null = 1, Boolean = 2, Number = 3, String = 4, Object = 5, Reference = 6 };
    enum Attributes : int32_t { None = 0, ReadOnly = 0x10, DontEnum = 0x20, DontDelete = 0x40 };

    CorvelValue() {}
    explicit CorvelValue(Type type);
    explicit CorvelValue(bool value) : m_type(Boolean) { m_payload.boolean = value; }
    explicit CorvelValue(double value) : m_type(Number) { m_payload.number = value; }
    explicit CorvelValue(long value) : m_type(Number) { m_payload.number = (double)value; }
    explicit CorvelValue(int value) : m_type(Number) { m_payload.number = (double)value; }
    explicit CorvelValue(unsigned long key);
    CorvelValue(const char* text, int length = -1);
    CorvelValue(unsigned long baseKey, const char* name);
    CorvelValue(const CorvelValue& other);
    explicit CorvelValue(const CorvelValue* other);
    CorvelValue(CorvelValue&& other) noexcept;
    ~CorvelValue() { EmptyValue(); }

    virtual CorvelValue& operator=(const CorvelValue& other);
    CorvelValue& operator=(CorvelValue&& other) noexcept;

    // Setters release the old payload and keep the attributes.
    void SetUndefined();
    void SetNull();
    void SetBool(bool value);
    void SetNumber(double value);
    void SetInt(int value);
    void SetString(const char* text, int length = -1);
    void SetObject(unsigned long key);
    void SetReference(unsigned long baseKey, const char* name);
    void SetAttributes(int32_t attributes) { m_attributes = attributes; }

    // Plain getters: the caller knows the type.
    Type GetType() const { return m_type; }
    int32_t GetAttributes() const { return m_attributes; }
    bool GetBool() const { return m_payload.boolean; }
    double GetNumber() const { return m_payload.number; }
    const char* GetString() const { return m_payload.text; }
    unsigned long GetObjectKey() const { return m_payload.object.key; }

    // Getters that check the type.
    unsigned long ForceGetObjectKey() const { return m_type == Object ? m_payload.object.key : 0; }
    unsigned long GetBaseObjectKey() const;  // throws 1011 unless a reference
    const char* GetPropertyName() const;     // throws 1012 unless a reference

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
    void ToNumber();
    void ToInteger();
    int32_t ToInt32();
    uint32_t ToUint32();
    uint16_t ToUint16();
    void ToString();

    // Abstract equality; both operands may be converted in place.
    bool ECMAAbstractEquality(CorvelValue& other);

    // Host comparisons on copies.
    bool operator==(const CorvelValue& other) const;
    bool operator!=(const CorvelValue& other) const { return !(*this == other); }

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
    // Releases text, name or key without changing the type.
    void EmptyValue();
    void CopyFrom(const CorvelValue& other);
    // Reference counting through the object table; no-ops until it exists.
    static void AddRef(unsigned long key);
    static void ReleaseRef(unsigned long key);

    Type m_type = Undefined;
    int32_t m_attributes = 0;
    union Payload {
        bool boolean;
        double number;
        char* text;
        struct {
            uint32_t key;
            char* name;  // references only
        } object;
    } m_payload{};
};
