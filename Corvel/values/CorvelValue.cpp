#include "CorvelValue.h"

#include "CorvelExecutionContext.h"
#include "CorvelGlobalObject.h"
#include "CorvelMemoryBudget.h"
#include "CorvelMessages.h"
#include "CorvelNumberText.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardBooleanInstance.h"
#include "CorvelStandardNumberInstance.h"
#include "CorvelStandardStringInstance.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

namespace {

const char kMissingObject[] = "[Missing Object]";

bool IsAlphanumeric(char c) {
    return CorvelNumberText::IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsIdentifierCharacter(char c) { return IsAlphanumeric(c) || c == '_' || c == '$'; }

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }

// ASCII only: the host's locale must not change what a script means.
bool EqualsIgnoringCase(const char* text, const char* lowerWord) {
    for (; *lowerWord; ++text, ++lowerWord)
        if (LowerCase(*text) != *lowerWord) return false;
    return *text == 0;
}

// The language's text of a number: "%g" except for NaN, the infinities and
// zero, which has no sign.
const char* NumberText(double number, char (&buffer)[CorvelNumberText::BufferSize]) {
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
    if (number == 0) return "0";
    return CorvelNumberText::FormatGeneral(number, buffer);
}

int HexDigitValue(char c) {
    if (CorvelNumberText::IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The digits after a "0x" prefix; anything else, white space included,
// makes the text not a number.
double HexToNumber(const char* digits) {
    double number = 0;
    for (const char* p = digits; *p; ++p) {
        int digit = HexDigitValue(*p);
        if (digit < 0) return NAN;
        number = number * 16 + digit;
    }
    return number;
}

// The integer part of `number` taken modulo `modulus` into [0, modulus);
// NaN, the infinities and zero give 0.
double WrapInteger(double number, double modulus) {
    if (!std::isfinite(number) || number == 0) return 0;
    double remainder = std::fmod(std::trunc(number), modulus);
    return remainder < 0 ? remainder + modulus : remainder;
}

// Keeps an object alive for the length of an operation on it.
class ObjectHold {
public:
    explicit ObjectHold(CorvelObject* object) : m_object(object) { m_object->AddRef(); }
    ~ObjectHold() { m_object->Release(); }
    ObjectHold(const ObjectHold&) = delete;
    ObjectHold& operator=(const ObjectHold&) = delete;

private:
    CorvelObject* m_object;
};

int ClampToInt(double number) {
    if (std::isnan(number)) return 0;
    if (number >= (double)INT_MAX) return INT_MAX;
    if (number <= (double)INT_MIN) return INT_MIN;
    return (int)number;
}

}  // namespace

const CorvelValue CorvelValue::ms_null(CorvelValue::NullTag{});
const CorvelValue CorvelValue::ms_undefined;

// Construction and assignment.

CorvelValue::CorvelValue(Type type) {
    switch (type) {
        case Null: case Boolean: case Number: case Object: m_type = type; break;
        case String: m_type = String; m_payload.text = DuplicateText(""); break;
        case Reference: m_type = Reference; m_payload.object.name = DuplicateText(""); break;
        default: break;
    }
}

CorvelValue::CorvelValue(unsigned long key) : m_type(Object) {
    m_payload.object.key = (uint32_t)key;
    AddRef(m_payload.object.key);
}

CorvelValue::CorvelValue(const char* text, int length) : m_type(String) {
    m_payload.text = DuplicateText(text, length);
}

CorvelValue::CorvelValue(unsigned long baseKey, const char* name) : m_type(Reference) {
    m_payload.object.name = DuplicateText(name);
    m_payload.object.key = (uint32_t)baseKey;
    AddRef(m_payload.object.key);
}

CorvelValue::CorvelValue(const CorvelValue* other) {
    if (!other) return;
    m_payload = other->DuplicatePayload();
    m_type = other->m_type;
    m_attributes = other->m_attributes;
}

CorvelValue& CorvelValue::operator=(const CorvelValue& other) {
    Assign(other);
    return *this;
}

void CorvelValue::AssignHeld(const CorvelValue& other) {
    Payload copy = other.DuplicatePayload();
    m_attributes = other.m_attributes;
    Replace(other.m_type, copy);
}

// Setters.

void CorvelValue::SetString(const char* text, int length) {
    Payload payload;
    payload.text = DuplicateText(text, length);
    Replace(String, payload);
}

void CorvelValue::SetJoinedString(const CorvelValue& first, const CorvelValue& second) {
    size_t firstLength = (size_t)first.GetStringLength();
    size_t secondLength = (size_t)second.GetStringLength();
    Payload payload;
    payload.text = AllocateText(firstLength + secondLength);
    if (firstLength) memcpy(payload.text, first.GetString(), firstLength);
    if (secondLength) memcpy(payload.text + firstLength, second.GetString(), secondLength);
    Replace(String, payload);
}

void CorvelValue::SetObject(unsigned long key) {
    Payload payload{};
    payload.object.key = (uint32_t)key;
    AddRef(payload.object.key);
    Replace(Object, payload);
}

void CorvelValue::SetReference(unsigned long baseKey, const char* name) {
    Payload payload{};
    payload.object.name = DuplicateText(name);
    payload.object.key = (uint32_t)baseKey;
    AddRef(payload.object.key);
    Replace(Reference, payload);
}

void CorvelValue::SetReference(unsigned long baseKey, const CorvelValue& name) {
    if (name.m_type != String) return SetReference(baseKey, "");
    Payload payload{};
    payload.object.name = ShareText(name.m_payload.text);
    payload.object.key = (uint32_t)baseKey;
    AddRef(payload.object.key);
    Replace(Reference, payload);
}

void CorvelValue::SetObject(CorvelObject* object) {
    uint32_t key = object->GetKey();
    if (key == 0) return SetObject(0ul);
    Payload payload{};
    payload.object.key = key;
    object->AddRef();
    Replace(Object, payload);
}

void CorvelValue::SetReference(CorvelObject* base, const CorvelValue& name) {
    uint32_t key = base ? base->GetKey() : 0;
    if (key == 0 || name.m_type != String) return SetReference((unsigned long)key, name);
    Payload payload{};
    payload.object.name = ShareText(name.m_payload.text);
    payload.object.key = key;
    base->AddRef();
    Replace(Reference, payload);
}

void CorvelValue::SetElementReference(unsigned long baseKey, uint32_t index) {
    Payload payload{};
    payload.object.key = (uint32_t)baseKey;
    payload.object.index = index;
    payload.object.name = nullptr;
    AddRef(payload.object.key);
    Replace(Reference, payload);
}

void CorvelValue::MakeNamedReference(const CorvelValue& name) {
    if (m_type != Object || name.m_type != String) return SetReference(m_type == Object ? m_payload.object.key : 0, name);
    m_payload.object.name = ShareText(name.m_payload.text);
    m_type = Reference;
}

void CorvelValue::MakeElementReference(uint32_t index) {
    if (m_type != Object) return SetElementReference(0, index);
    m_type = Reference;
    m_payload.object.index = index;
    m_payload.object.name = nullptr;
}

// Payload management.

void CorvelValue::ReleaseHeldPayload() {
    Payload old = m_payload;
    m_payload = Payload{};
    ReleasePayload(m_type, old);
}

CorvelValue::Payload CorvelValue::DuplicateHeldPayload() const {
    Payload copy = m_payload;
    switch (m_type) {
        case String: copy.text = ShareText(m_payload.text); break;
        case Object: AddRef(copy.object.key); break;
        case Reference:
            if (copy.object.name) copy.object.name = ShareText(m_payload.object.name);
            AddRef(copy.object.key);
            break;
        default: break;
    }
    return copy;
}

void CorvelValue::ReleasePayload(Type type, const Payload& payload) {
    switch (type) {
        case String: FreeText(payload.text); break;
        case Object: ReleaseRef(payload.object.key); break;
        case Reference:
            FreeText(payload.object.name);
            ReleaseRef(payload.object.key);
            break;
        default: break;
    }
}

// Texts are shared: a copy of a value counts one more holder of its text
// instead of copying it. Texts are never changed once shared, so holders
// need not know of each other. The header before the text keeps the count
// of holders and the length; a count of 0 marks the one static empty text,
// which is never freed.
// A text's property-name hashes are kept beside it once asked for by its
// maker (the names of the script text), so that reading a property by that
// name hashes nothing. kNoHash: not kept.
struct CorvelValue::TextHeader {
    uint32_t holders;
    uint32_t length;
    uint32_t bucket;
    uint32_t indexHash;
};

namespace {

struct StaticEmptyText {
    CorvelValue::TextHeader header{0, 0, CorvelValue::kNoHash, 0};
    char text[8] = {};
};
StaticEmptyText g_emptyText;

}  // namespace

CorvelValue::TextHeader* CorvelValue::HeaderOf(const char* text) {
    return reinterpret_cast<TextHeader*>(const_cast<char*>(text)) - 1;
}

bool CorvelValue::GetTextHash(const char* text, uint32_t& length, uint32_t& bucket, uint32_t& indexHash) {
    const TextHeader* header = HeaderOf(text);
    if (header->bucket == kNoHash) return false;
    length = header->length;
    bucket = header->bucket;
    indexHash = header->indexHash;
    return true;
}

void CorvelValue::KeepTextHash(uint32_t bucket, uint32_t indexHash) {
    if (m_type != String || m_payload.text == g_emptyText.text) return;
    TextHeader* header = HeaderOf(m_payload.text);
    header->bucket = bucket;
    header->indexHash = indexHash;
}

char* CorvelValue::DuplicateText(const char* text, int length) {
    if (!text) text = "";
    size_t size;
    if (length < 0) {
        size = strlen(text);
    } else {
        const void* nul = memchr(text, 0, (size_t)length);
        size = nul ? (size_t)((const char*)nul - text) : (size_t)length;
    }
    char* copy = AllocateText(size);
    memcpy(copy, text, size);
    return copy;
}

char* CorvelValue::AllocateText(size_t size) {
    if (size == 0) return g_emptyText.text;
    if (size >= UINT32_MAX - sizeof(TextHeader)) throw std::bad_alloc();
    size_t bytes = sizeof(TextHeader) + size + 1;
    TextHeader* header = static_cast<TextHeader*>(CorvelMemoryBudget::Allocate(bytes));
    header->holders = 1;
    header->length = (uint32_t)size;
    header->bucket = kNoHash;
    header->indexHash = 0;
    char* text = reinterpret_cast<char*>(header + 1);
    text[size] = 0;
    return text;
}

char* CorvelValue::ShareText(char* text) {
    TextHeader* header = HeaderOf(text);
    if (header->holders != 0) ++header->holders;
    return text;
}

void CorvelValue::FreeText(char* text) {
    if (!text) return;
    TextHeader* header = HeaderOf(text);
    if (header->holders == 0 || --header->holders != 0) return;
    CorvelMemoryBudget::Free(header, sizeof(TextHeader) + header->length + 1);
}

int CorvelValue::GetStringLength() const {
    return m_type == String ? (int)HeaderOf(m_payload.text)->length : 0;
}

void CorvelValue::AddRef(unsigned long key) {
    if (key == 0) return;
    if (CorvelObjectTable* table = CorvelObjectTable::GetTable()) table->AddRef((uint32_t)key);
}

void CorvelValue::ReleaseRef(unsigned long key) {
    if (key == 0) return;
    if (CorvelObjectTable* table = CorvelObjectTable::GetTable()) table->ReleaseRef((uint32_t)key);
}

// The object is held while it writes its default value into this value,
// which drops this value's own reference to it.
bool CorvelValue::ConvertObjectToPrimitive(Type hint) {
    CorvelObject* object = CorvelObjectTable::FindObject(m_payload.object.key);
    if (!object) return false;
    ObjectHold hold(object);
    object->DefaultValue(*this, hint);
    return true;
}

// Checked getters.

unsigned long CorvelValue::GetBaseObjectKey() const {
    if (m_type != Reference) CorvelRuntimeException::Raise(CorvelMessages::BaseOfNonReference);
    return m_payload.object.key;
}

// An element reference makes its name once, when first asked; the value
// stays the same reference, so the name is kept like a cache.
const char* CorvelValue::GetPropertyName() const {
    if (m_type != Reference) CorvelRuntimeException::Raise(CorvelMessages::PropertyOfNonReference);
    if (!m_payload.object.name) {
        char buffer[16];
        const_cast<CorvelValue*>(this)->m_payload.object.name =
            DuplicateText(CorvelStandardArrayInstance::FormatIndex(m_payload.object.index, buffer));
    }
    return m_payload.object.name;
}

CorvelObject* CorvelValue::GetObject() const {
    CorvelObject* object = CorvelObjectTable::FindObject(m_payload.object.key);
    if (!object) CorvelRuntimeException::Raise(CorvelMessages::ObjectDestroyed);
    return object;
}

CorvelObject* CorvelValue::ForceGetObject() const {
    return m_type == Object ? CorvelObjectTable::FindObject(m_payload.object.key) : nullptr;
}

CorvelObject* CorvelValue::GetBaseObject() const {
    return CorvelObjectTable::FindObject((uint32_t)GetBaseObjectKey());
}

CorvelValue CorvelValue::ObjectValue(CorvelObject* object) {
    CorvelValue value(Object);
    if (object) value.SetObject(object->GetKey());
    return value;
}

void CorvelValue::SetNewObject(CorvelObject* object) {
    uint32_t key;
    try {
        key = object->GetKey();
    } catch (...) {
        // No room in the table: nothing refers to the object yet.
        delete object;
        throw;
    }
    if (key == 0) {
        // Unreachable for good: let the object end itself.
        object->AddRef();
        object->Release();
    }
    SetObject(key);
}

// Lenient host conversions. An object that gives back an object, or that
// cannot be found, counts as an object: true, 1, "object" for any key but 0.

CorvelValue CorvelValue::ForceGetPrimitive(Type hint) const {
    CorvelValue primitive(*this);
    primitive.ConvertObjectToPrimitive(hint);
    return primitive;
}

bool CorvelValue::ForceGetBool() const {
    switch (m_type) {
        case Boolean: return m_payload.boolean;
        case Number: return m_payload.number != 0 && !std::isnan(m_payload.number);
        case String: return m_payload.text[0] != 0;
        case Object: {
            CorvelValue primitive = ForceGetPrimitive(Number);
            return primitive.m_type == Object ? primitive.m_payload.object.key != 0 : primitive.ForceGetBool();
        }
        default: return false;
    }
}

int CorvelValue::ForceGetInteger() const {
    switch (m_type) {
        case Boolean: return m_payload.boolean ? 1 : 0;
        case Number: return ClampToInt(m_payload.number);
        case String: return CorvelNumberText::ScanInteger(m_payload.text);
        case Object: {
            CorvelValue primitive = ForceGetPrimitive(Number);
            if (primitive.m_type == Object) return primitive.m_payload.object.key != 0 ? 1 : 0;
            return primitive.ForceGetInteger();
        }
        default: return 0;
    }
}

double CorvelValue::ForceGetNumber() const {
    switch (m_type) {
        case Boolean: return m_payload.boolean ? 1.0 : 0.0;
        case Number: return m_payload.number;
        case String: {
            const char* end;
            return CorvelNumberText::ScanDecimal(m_payload.text, &end);
        }
        case Object: {
            CorvelValue primitive = ForceGetPrimitive(Number);
            if (primitive.m_type == Object) return primitive.m_payload.object.key != 0 ? 1.0 : 0.0;
            return primitive.ForceGetNumber();
        }
        default: return 0.0;
    }
}

QelString CorvelValue::ForceGetString() const {
    switch (m_type) {
        case Boolean: return m_payload.boolean ? "true" : "false";
        case Number: {
            // The language's texts for NaN, the infinities and zero: the C
            // library's differ between platforms and mean nothing to a user.
            char buffer[CorvelNumberText::BufferSize];
            return NumberText(m_payload.number, buffer);
        }
        case String: return m_payload.text;
        case Object: {
            CorvelValue primitive = ForceGetPrimitive(String);
            return primitive.m_type == Object ? QelString("object") : primitive.ForceGetString();
        }
        default: return QelString();
    }
}

// A text that is entirely a decimal integer is also entirely a decimal real
// and reads as the same number, so one scan serves both readings; an integer
// too large for a long simply becomes the nearest double.
void CorvelValue::ConvertFromString(const char* text) {
    if (!text) text = "";
    if (EqualsIgnoringCase(text, "true")) return SetBool(true);
    if (EqualsIgnoringCase(text, "false")) return SetBool(false);
    const char* end;
    double number = CorvelNumberText::ScanDecimal(text, &end);
    if (end != text && *end == 0) return SetNumber(number);
    SetString(text);
}

// Language conversions.

void CorvelValue::ToPrimitive(Type hint) {
    if (m_type != Object) return;
    if (!ConvertObjectToPrimitive(hint)) return SetString(kMissingObject);
    if (m_type == Object || m_type == Reference)
        CorvelRuntimeException::Raise(CorvelMessages::InternalToPrimitive);
}

void CorvelValue::ToBoolean() {
    switch (m_type) {
        case Boolean: return;
        case Number: return SetBool(m_payload.number != 0 && !std::isnan(m_payload.number));
        case String: return SetBool(m_payload.text[0] != 0);
        case Object: return SetBool(true);
        default: return SetBool(false);
    }
}

void CorvelValue::ConvertToNumber() {
    switch (m_type) {
        case Undefined: return SetNumber(NAN);
        case Boolean: return SetNumber(m_payload.boolean ? 1.0 : 0.0);
        case Number: return;
        case String: return SetNumber(StringToNumber(m_payload.text));
        case Object:
            ToPrimitive(Number);
            return ToNumber();
        default: return SetNumber(0.0);
    }
}

void CorvelValue::ToInteger() {
    if (m_type != Number) ToNumber();
    double number = m_payload.number;
    if (std::isnan(number)) m_payload.number = 0;
    else if (std::isfinite(number)) m_payload.number = std::trunc(number);
}

uint32_t CorvelValue::ToUint32() {
    if (m_type != Number) ToNumber();
    return (uint32_t)WrapInteger(m_payload.number, 4294967296.0);
}

int32_t CorvelValue::ToInt32() {
    uint32_t bits = ToUint32();
    return bits >= 0x80000000u ? (int32_t)((int64_t)bits - 4294967296LL) : (int32_t)bits;
}

uint16_t CorvelValue::ToUint16() {
    if (m_type != Number) ToNumber();
    return (uint16_t)WrapInteger(m_payload.number, 65536.0);
}

void CorvelValue::ToString() {
    switch (m_type) {
        case Undefined: return SetString("undefined");
        case Null: return SetString("null");
        case Boolean: return SetString(m_payload.boolean ? "true" : "false");
        case Number: {
            char buffer[CorvelNumberText::BufferSize];
            return SetString(NumberText(m_payload.number, buffer));
        }
        case String: return;
        case Object:
            ToPrimitive(String);
            return ToString();
        default: return SetString("");
    }
}

void CorvelValue::ToPropertyName() {
    uint32_t index;
    if (IsArrayIndexNumber(index)) {
        char buffer[16];
        return SetString(CorvelStandardArrayInstance::FormatIndex(index, buffer));
    }
    ToString();
}

void CorvelValue::ToObject() {
    switch (m_type) {
        case Undefined:
        case Null: CorvelRuntimeException::Raise(CorvelMessages::CannotConvertToObject);
        case Boolean: return SetNewObject(new CorvelStandardBooleanInstance(m_payload.boolean));
        case Number: return SetNewObject(new CorvelStandardNumberInstance(m_payload.number));
        case String: return SetNewObject(new CorvelStandardStringInstance(*this));
        default: return;
    }
}

// References.

void CorvelValue::ReadReference() {
    CorvelObject* base = CorvelObjectTable::FindObject(m_payload.object.key);
    if (!base) {
        if (m_payload.object.key != 0) CorvelRuntimeException::Raise(CorvelMessages::ObjectDestroyed);
        CorvelRuntimeException::Raise(CorvelMessages::UndefinedIdentifier, GetPropertyName());
    }
    // The reference's own hold keeps the base alive while it is read; both
    // the hold and the name go once the value has been copied out.
    class TakenReference {
    public:
        TakenReference(CorvelObject* base, char* name) : m_base(base), m_name(name) {}
        ~TakenReference() {
            FreeText(m_name);
            m_base->Release();
        }
        TakenReference(const TakenReference&) = delete;
        TakenReference& operator=(const TakenReference&) = delete;

    private:
        CorvelObject* m_base;
        char* m_name;
    };
    char* name = m_payload.object.name;
    uint32_t index = m_payload.object.index;
    TakenReference taken(base, name);
    m_type = Undefined;
    m_payload = Payload{};
    // A name of the script text comes with its hashes.
    if (name) Assign(base->GetHashed(CorvelPropertyStore::Name::OfValueText(name)));
    else Assign(base->GetElement(index));
    m_attributes = 0;
}

void CorvelValue::PutValue(CorvelExecutionContext* context, const CorvelValue& value) const {
    if (m_type != Reference) CorvelRuntimeException::Raise(CorvelMessages::CannotAssign);
    if (CorvelObject* base = CorvelObjectTable::FindObject(m_payload.object.key)) {
        if (m_payload.object.name) base->Put(m_payload.object.name, value);
        else base->PutElement(m_payload.object.index, value);
        return;
    }
    CorvelGlobalObject* global = context ? context->GetGlobalObject() : nullptr;
    if (global) global->Put(GetPropertyName(), value);
}

// Comparison.

bool CorvelValue::ECMAAbstractEquality(CorvelValue& other) {
    for (;;) {
        Type mine = m_type;
        Type theirs = other.m_type;
        bool mineNullish = mine == Undefined || mine == Null;
        bool theirsNullish = theirs == Undefined || theirs == Null;
        if (mine == theirs) return EqualsSameType(other);
        if (mineNullish && theirsNullish) return true;
        if (mine == Number && theirs == String) other.ToNumber();
        else if (mine == String && theirs == Number) ToNumber();
        else if (mine == Boolean) ToNumber();
        else if (theirs == Boolean) other.ToNumber();
        else if ((mine == String || mine == Number) && theirs == Object) other.ToPrimitive(Undefined);
        else if (mine == Object && (theirs == String || theirs == Number)) ToPrimitive(Undefined);
        else return false;
    }
}

bool CorvelValue::EqualsSameType(const CorvelValue& other) const {
    switch (m_type) {
        case Undefined: case Null: return true;
        case Boolean: return m_payload.boolean == other.m_payload.boolean;
        case Number: return m_payload.number == other.m_payload.number;
        case String: return strcmp(m_payload.text, other.m_payload.text) == 0;
        case Object: return m_payload.object.key == other.m_payload.object.key;
        case Reference:
            if (m_payload.object.key != other.m_payload.object.key) return false;
            if (!m_payload.object.name && !other.m_payload.object.name)
                return m_payload.object.index == other.m_payload.object.index;
            return strcmp(GetPropertyName(), other.GetPropertyName()) == 0;
    }
    return false;
}

bool CorvelValue::ECMARelationalComparison(CorvelValue& right, Relation relation) {
    bool swapped = relation == GreaterThan || relation == LessThanOrEqual;
    bool inverted = relation == LessThanOrEqual || relation == GreaterThanOrEqual;
    CorvelValue& a = swapped ? right : *this;
    CorvelValue& b = swapped ? *this : right;
    if (a.m_type == Object) a.ToPrimitive(Number);
    if (b.m_type == Object) b.ToPrimitive(Number);
    if (a.m_type == String && b.m_type == String)
        return (strcmp(a.m_payload.text, b.m_payload.text) < 0) != inverted;

    a.ToNumber();
    b.ToNumber();
    double x = a.m_payload.number;
    double y = b.m_payload.number;
    if (std::isnan(x) || std::isnan(y)) return false;
    if (x == y) return inverted;
    return (x < y) != inverted;
}

bool CorvelValue::operator==(const CorvelValue& other) const {
    CorvelValue left(*this);
    CorvelValue right(other);
    return left.ECMAAbstractEquality(right);
}

bool CorvelValue::Compare(const CorvelValue& other, Relation relation) const {
    CorvelValue left(*this);
    CorvelValue right(other);
    return left.ECMARelationalComparison(right, relation);
}

// Number text.

QelString CorvelValue::NumberToString(double number) {
    char buffer[CorvelNumberText::BufferSize];
    return NumberText(number, buffer);
}

double CorvelValue::StringToNumber(const char* text) {
    if (!text || !*text) return 0;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return HexToNumber(text + 2);

    // A leading '-' and then a '+' are both taken: "-+5" is 5.
    const char* p = text;
    double sign = 1;
    if (*p == '-') { sign = -1; ++p; }
    if (*p == '+') { sign = 1; ++p; }

    const char* end;
    double number = CorvelNumberText::ScanDecimal(p, &end);
    while (CorvelNumberText::IsSpace(*end)) ++end;
    if (*end) return NAN;
    return number * sign;
}

// Identifiers.

void CorvelValue::ConvertToLegalIdentifier(QelString& name) {
    if (name.IsEmpty()) return;
    const char* text = name.GetText();
    QelString legal;
    if (CorvelNumberText::IsDigit(text[0])) legal += '_';
    for (const char* p = text; *p; ++p) legal += IsIdentifierCharacter(*p) ? *p : '_';
    name = std::move(legal);
}

bool CorvelValue::CompareAsLegalIdentifier(const char* legalIdentifier, const char* name) {
    const char* legal = legalIdentifier ? legalIdentifier : "";
    const char* given = name ? name : "";
    if (*legal != *given && CorvelNumberText::IsDigit(*given) && *legal == '_') ++legal;
    for (; *legal && *given; ++legal, ++given) {
        if (*legal == *given) continue;
        if (IsIdentifierCharacter(*given) || *legal != '_') return false;
    }
    return *legal == 0 && *given == 0;
}
