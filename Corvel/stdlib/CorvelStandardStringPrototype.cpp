#include "CorvelStandardStringPrototype.h"

#include "CorvelBuiltInFunction.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelStandardStringConstructor.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// ToString of the this value. A primitive string is used where it lies;
// anything else is converted into a value of our own.
class ThisText {
public:
    explicit ThisText(const CorvelValue& thisValue) {
        const CorvelValue* string = &thisValue;
        if (thisValue.GetType() != CorvelValue::String) {
            holder = thisValue;
            holder.ToString();
            string = &holder;
        }
        text = string->GetString();
        length = string->GetStringLength();
    }

    const char* text;
    int64_t length;

private:
    CorvelValue holder;
};

// Argument `index` as a position: ToInteger held to the 32-bit range, so
// that infinities and huge values convert without undefined behaviour and
// still lie beyond every text; `absent` when there is no such argument.
int64_t Position(CorvelValue* arguments, int argumentCount, int index, int64_t absent) {
    if (index >= argumentCount) return absent;
    arguments[index].ToInteger();
    double number = arguments[index].GetNumber();
    if (number <= (double)INT32_MIN) return INT32_MIN;
    if (number >= (double)INT32_MAX) return INT32_MAX;
    return (int64_t)number;
}

int64_t Clamp(int64_t position, int64_t length) { return position < 0 ? 0 : position > length ? length : position; }

// The search text of indexOf and lastIndexOf, converted in place.
const char* SearchText(CorvelValue* arguments, int argumentCount) {
    if (argumentCount < 1) return "undefined";
    arguments[0].ToString();
    return arguments[0].GetString();
}

int64_t FindForward(const char* text, int64_t length, const char* search, int64_t searchLength, int64_t from) {
    if (searchLength == 0) return from;
    for (int64_t last = length - searchLength; from <= last; ++from) {
        const void* first = memchr(text + from, search[0], (size_t)(last - from + 1));
        if (!first) return -1;
        from = (const char*)first - text;
        if (memcmp(text + from, search, (size_t)searchLength) == 0) return from;
    }
    return -1;
}

int64_t FindBackward(const char* text, int64_t length, const char* search, int64_t searchLength, int64_t from) {
    if (from > length - searchLength) from = length - searchLength;
    for (; from >= 0; --from)
        if (memcmp(text + from, search, (size_t)searchLength) == 0) return from;
    return -1;
}

// A copy of the this text with the letters `first`..`first + 25` moved by
// `shift`; the copy is the return value's own text, changed where it lies.
CorvelStatus ShiftLetters(CorvelExecutionContext* context, const CorvelValue& thisValue, char first, int shift) {
    ThisText text(thisValue);
    CorvelValue& result = context->GetReturnValue();
    result.SetString(text.text);
    for (char* at = const_cast<char*>(result.GetString()); *at; ++at)
        if (*at >= first && *at < first + 26) *at = (char)(*at + shift);
    return CorvelStatus::Return;
}

// The wrapper's own string, for toString and valueOf alike.
CorvelStatus OwnString(CorvelExecutionContext* context, const CorvelValue& thisValue) {
    CorvelObject* object = thisValue.ForceGetObject();
    if (!object || object->Class() != CorvelObject::ClassString)
        CorvelRuntimeException::Raise(CorvelMessages::NotAString);
    context->GetReturnValue() = object->Value();
    return CorvelStatus::Return;
}

}  // namespace

CorvelStandardStringPrototype::CorvelStandardStringPrototype() : m_value("") {
    AddMethod("toString", ToString);
    AddMethod("valueOf", ValueOf);
    AddMethod("charAt", CharAt);
    AddMethod("charCodeAt", CharCodeAt);
    AddMethod("indexOf", IndexOf);
    AddMethod("lastIndexOf", LastIndexOf);
    AddMethod("split", Split);
    AddMethod("substring", Substring);
    AddMethod("toLowerCase", ToLowerCase);
    AddMethod("toUpperCase", ToUpperCase);
}

CorvelObject::ClassType CorvelStandardStringPrototype::Class() const { return ClassString; }

const CorvelValue& CorvelStandardStringPrototype::Value() const { return m_value; }

void CorvelStandardStringPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardStringConstructor() : nullptr);
}

bool CorvelStandardStringPrototype::ReadsThisAsText(const CorvelValue& method) {
    CorvelNativeFunction function = CorvelBuiltInFunction::NativeOf(method);
    return function == CharAt || function == CharCodeAt || function == IndexOf || function == LastIndexOf ||
           function == Split || function == Substring || function == ToLowerCase || function == ToUpperCase;
}

CorvelStatus CorvelStandardStringPrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                     const CorvelValue& thisValue) {
    return OwnString(context, thisValue);
}

CorvelStatus CorvelStandardStringPrototype::ValueOf(CorvelExecutionContext* context, CorvelValue*, int,
                                                    const CorvelValue& thisValue) {
    return OwnString(context, thisValue);
}

CorvelStatus CorvelStandardStringPrototype::CharAt(CorvelExecutionContext* context, CorvelValue* arguments,
                                                   int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    int64_t position = Position(arguments, argumentCount, 0, 0);
    if (position < 0 || position >= text.length) context->GetReturnValue().SetString("");
    else context->GetReturnValue().SetString(text.text + position, 1);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::CharCodeAt(CorvelExecutionContext* context, CorvelValue* arguments,
                                                       int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    int64_t position = Position(arguments, argumentCount, 0, 0);
    if (position < 0 || position >= text.length)
        context->GetReturnValue().SetNumber(std::numeric_limits<double>::quiet_NaN());
    else context->GetReturnValue().SetNumber((unsigned char)text.text[position]);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::IndexOf(CorvelExecutionContext* context, CorvelValue* arguments,
                                                    int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    const char* search = SearchText(arguments, argumentCount);
    int64_t from = Clamp(Position(arguments, argumentCount, 1, 0), text.length);
    int64_t found = FindForward(text.text, text.length, search, (int64_t)strlen(search), from);
    context->GetReturnValue().SetNumber((double)found);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::LastIndexOf(CorvelExecutionContext* context, CorvelValue* arguments,
                                                        int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    const char* search = SearchText(arguments, argumentCount);
    int64_t from = Clamp(Position(arguments, argumentCount, 1, text.length), text.length);
    int64_t found = FindBackward(text.text, text.length, search, (int64_t)strlen(search), from);
    context->GetReturnValue().SetNumber((double)found);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::Split(CorvelExecutionContext* context, CorvelValue* arguments,
                                                  int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    CorvelStandardArrayInstance* array = new CorvelStandardArrayInstance;
    // Held from the start, so that an error below frees the array.
    CorvelValue result;
    result.SetNewObject(array);
    if (argumentCount < 1) {
        array->Append(CorvelValue(text.text));
    } else {
        arguments[0].ToString();
        const char* separator = arguments[0].GetString();
        int64_t separatorLength = (int64_t)strlen(separator);
        if (separatorLength == 0) {
            for (int64_t i = 0; i < text.length; ++i) array->Append(CorvelValue(text.text + i, 1));
        } else {
            int64_t start = 0;
            for (;;) {
                int64_t found = FindForward(text.text, text.length, separator, separatorLength, start);
                if (found < 0) break;
                array->Append(CorvelValue(text.text + start, (int)(found - start)));
                start = found + separatorLength;
            }
            array->Append(CorvelValue(text.text + start));
        }
    }
    context->GetReturnValue() = std::move(result);
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::Substring(CorvelExecutionContext* context, CorvelValue* arguments,
                                                      int argumentCount, const CorvelValue& thisValue) {
    ThisText text(thisValue);
    int64_t start = Clamp(Position(arguments, argumentCount, 0, 0), text.length);
    int64_t end = Clamp(Position(arguments, argumentCount, 1, text.length), text.length);
    if (start > end) std::swap(start, end);
    context->GetReturnValue().SetString(text.text + start, (int)(end - start));
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardStringPrototype::ToLowerCase(CorvelExecutionContext* context, CorvelValue*, int,
                                                        const CorvelValue& thisValue) {
    return ShiftLetters(context, thisValue, 'A', 'a' - 'A');
}

CorvelStatus CorvelStandardStringPrototype::ToUpperCase(CorvelExecutionContext* context, CorvelValue*, int,
                                                        const CorvelValue& thisValue) {
    return ShiftLetters(context, thisValue, 'a', 'A' - 'a');
}
