#include "CorvelStandardArrayPrototype.h"

#include "CorvelEnvironment.h"
#include "CorvelExecutionContext.h"
#include "CorvelMessages.h"
#include "CorvelRuntimeException.h"
#include "CorvelSession.h"
#include "CorvelStandardArrayConstructor.h"
#include "CorvelStandardArrayInstance.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// Element names, formatted on the stack; `text` points into `buffer`.
struct IndexName {
    explicit IndexName(uint32_t index) : text(CorvelStandardArrayInstance::FormatIndex(index, buffer)) {}
    IndexName(const IndexName&) = delete;
    IndexName& operator=(const IndexName&) = delete;
    char buffer[16];
    const char* text;
};

// The methods work on any object; a primitive this value is wrapped, and
// `holder` keeps the wrapper alive for the call.
CorvelObject* ThisObject(const CorvelValue& thisValue, CorvelValue& holder) {
    if (CorvelObject* object = thisValue.ForceGetObject()) return object;
    holder = thisValue;
    holder.ToObject();
    return holder.GetObject();
}

uint32_t LengthOf(const CorvelObject* object) {
    CorvelValue length(object->Get("length"));
    return length.ToUint32();
}

// A copy of an element as a script reading it would see it: without the
// property's attributes.
CorvelValue ReadElement(const CorvelObject* object, uint32_t index) {
    CorvelValue element(object->GetElement(index));
    element.SetAttributes(0);
    return element;
}

const char* TextOf(const CorvelValue& text) {
    const char* bytes = text.GetString();
    return bytes ? bytes : "";
}

int CompareUndefined(const CorvelValue& x, const CorvelValue& y, bool& decided) {
    decided = true;
    bool xUndefined = x.GetType() == CorvelValue::Undefined;
    bool yUndefined = y.GetType() == CorvelValue::Undefined;
    if (xUndefined) return yUndefined ? 0 : 1;
    if (yUndefined) return -1;
    decided = false;
    return 0;
}

// Byte order of the texts (strcmp compares as unsigned characters); text
// already converted is not converted again.
int CompareAsText(const CorvelValue& x, const CorvelValue& y) {
    CorvelValue xText, yText;
    const char* left = TextOf(x);
    const char* right = TextOf(y);
    if (x.GetType() != CorvelValue::String) {
        xText = x;
        xText.ToString();
        left = TextOf(xText);
    }
    if (y.GetType() != CorvelValue::String) {
        yText = y;
        yText.ToString();
        right = TextOf(yText);
    }
    int order = strcmp(left, right);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// The default order: undefined last, the rest by text.
int CompareDefault(const CorvelValue& x, const CorvelValue& y) {
    bool decided;
    int order = CompareUndefined(x, y, decided);
    return decided ? order : CompareAsText(x, y);
}

// A compare function that suspends (a wait, or a loop yielding to the
// Escape key) is resumed at once until it ends: the sort cannot be left
// half done, and its call record must not linger for the next call to find.
// No wait delay is left behind for the session.
int CallCompareFunction(CorvelExecutionContext* context, const CorvelValue& thisValue, const CorvelValue& x,
                        const CorvelValue& y, CorvelObject* compareFunction) {
    // Copies: the function may convert its arguments in place.
    CorvelValue pair[2] = {x, y};
    context->ClearReturnValue();
    CorvelStatus status = compareFunction->Call(context, pair, 2, thisValue);
    while (status == CorvelStatus::Suspend) {
        if (CorvelSession* session = context->GetSession()) session->SetWaitDelay(0);
        status = compareFunction->Call(context, pair, 2, thisValue);
    }
    if (status == CorvelStatus::Error) CorvelRuntimeException::Raise(CorvelMessages::FunctionAbort);
    int order = status == CorvelStatus::Return ? context->GetReturnValue().ForceGetInteger() : 0;
    context->ClearReturnValue();
    return order;
}

// One element of a sort: its value, and for the default order its text when
// that can be made once (an object's text is asked for on every comparison).
struct SortEntry {
    CorvelValue value;
    CorvelValue key;
};

SortEntry ReadSortEntry(const CorvelObject* object, uint32_t index, bool keyed) {
    SortEntry entry;
    entry.value = ReadElement(object, index);
    if (keyed) {
        CorvelValue::Type type = entry.value.GetType();
        entry.key = entry.value;
        if (type != CorvelValue::Undefined && type != CorvelValue::Object) entry.key.ToString();
    }
    return entry;
}

// Sorting is quadratic, and a long sort must not run past a host's time
// limit: it asks the abort check every so many comparisons. A sort cannot
// be left half done, so a request to yield is not followed.
class AbortCheck {
public:
    explicit AbortCheck(CorvelExecutionContext* context) : m_context(context) {}
    void Tick() {
        if (--m_countdown > 0) return;
        m_countdown = kInterval;
        m_context->CheckAbort();
    }

private:
    static const int kInterval = 64;
    CorvelExecutionContext* m_context;
    int m_countdown = kInterval;
};

int CompareEntries(CorvelExecutionContext* context, const CorvelValue& thisValue, const SortEntry& x,
                   const SortEntry& y, CorvelObject* compareFunction) {
    return compareFunction ? CorvelStandardArrayPrototype::SortCompare(context, thisValue, x.value, y.value,
                                                                       compareFunction)
                           : CompareDefault(x.key, y.key);
}

void SelectionSort(CorvelExecutionContext* context, const CorvelValue& thisValue, std::vector<SortEntry>& entries,
                   CorvelObject* compareFunction) {
    size_t count = entries.size();
    AbortCheck abortCheck(context);
    for (size_t i = 0; i < count; ++i) {
        size_t smallest = i;
        for (size_t j = i + 1; j < count; ++j) {
            abortCheck.Tick();
            if (CompareEntries(context, thisValue, entries[j], entries[smallest], compareFunction) < 0) smallest = j;
        }
        if (smallest != i) std::swap(entries[i], entries[smallest]);
    }
}

// Sparse objects.
//
// The methods read index after index up to the length. An object whose
// length lies far beyond the properties it has (a length of 4294967295 and a
// few elements) would keep the host busy for minutes that way, and sort
// would need a copy of every index. Such objects are handled from the
// indices actually stored along their prototype chain instead; every other
// index reads as undefined and is absent, and the results are those of the
// index-by-index walk (sort excepted where noted).

// Below this length the index-by-index walk is cheap enough.
const uint32_t kShortLength = 1024;

// True when `object` is to be handled from its stored indices: its length is
// more than four times the number of properties along its chain, and every
// object of the chain keeps its elements in its property table. A host's
// object may answer Get for names it does not store, so a chain with one
// takes the index-by-index walk.
bool IsSparse(const CorvelObject* object, uint32_t length) {
    if (length <= kShortLength) return false;
    uint64_t properties = 0;
    for (const CorvelObject* link = object; link; link = link->Prototype()) {
        CorvelObject::ClassType type = link->Class();
        if ((type & CorvelObject::KindMask) == CorvelObject::KindExtension && type != CorvelObject::ClassDebug)
            return false;
        properties += (uint64_t)link->GetPropertyCount();
    }
    return properties < length / 4;
}

// The array indices below `length` stored on `object` or along its
// prototype chain, ascending and each once. Only the property tables are
// read: the base enumeration stops at the object's own names and keeps a
// built-in object from making its methods into properties.
std::vector<uint32_t> StoredIndices(CorvelObject* object, uint32_t length) {
    std::vector<uint32_t> indices;
    for (CorvelObject* link = object; link; link = link->Prototype()) {
        int count = link->GetPropertyCount();
        if (count == 0) continue;
        CorvelObject::PropertyEnumerator* enumerator = link->CorvelObject::BeginPropertyEnumeration();
        for (int seen = 0; seen < count; ++seen) {
            const char* name = link->GetNextPropertyName(enumerator);
            if (!name) break;
            uint32_t index;
            if (CorvelStandardArrayInstance::IsArrayIndex(name, index) && index < length) indices.push_back(index);
        }
        link->EndPropertyEnumeration(enumerator);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

// Result text, refused with "Text too long" before it grows past the limit.
class BoundedText {
public:
    void Append(const char* bytes) { Append(bytes, strlen(bytes)); }
    void Append(const char* bytes, size_t size) {
        Reserve(size);
        m_text.append(bytes, size);
    }
    static void CheckRepeated(const char* bytes, uint64_t times) {
        size_t size = strlen(bytes);
        if (size != 0 && times > CorvelStandardArrayPrototype::kLongestText / size) Refuse();
    }
    void AppendRepeated(const char* bytes, uint64_t times) {
        size_t size = strlen(bytes);
        if (size == 0 || times == 0) return;
        CheckRepeated(bytes, times);
        Reserve((size_t)times * size);
        if (size == 1) {
            m_text.append((size_t)times, bytes[0]);
            return;
        }
        for (uint64_t i = 0; i < times; ++i) m_text.append(bytes, size);
    }
    void AppendElement(const CorvelValue& element) {
        switch (element.GetType()) {
            case CorvelValue::Undefined:
            case CorvelValue::Null: return;
            case CorvelValue::String: Append(TextOf(element)); return;
            default: {
                CorvelValue converted(element);
                converted.ToString();
                Append(TextOf(converted));
            }
        }
    }
    const std::string& Text() const { return m_text; }

private:
    void Reserve(size_t size) {
        if (size > CorvelStandardArrayPrototype::kLongestText - m_text.size()) Refuse();
    }
    [[noreturn]] static void Refuse() { CorvelRuntimeException::Raise(CorvelMessages::TextTooLong); }

    std::string m_text;
};

// One step of reverse: exchanges the elements at `lower` and `upper`, a
// missing one leaving a missing one behind.
void ReversePair(CorvelObject* object, uint32_t lower, uint32_t upper) {
    IndexName lowerName(lower);
    IndexName upperName(upper);
    CorvelValue lowerValue = ReadElement(object, lower);
    CorvelValue upperValue = ReadElement(object, upper);
    bool hasLower = object->HasProperty(lowerName.text);
    bool hasUpper = object->HasProperty(upperName.text);
    if (hasLower && hasUpper) {
        object->Put(lowerName.text, upperValue);
        object->Put(upperName.text, lowerValue);
    } else if (hasLower) {
        object->Delete(lowerName.text);
        object->Put(upperName.text, lowerValue);
    } else if (hasUpper) {
        object->Delete(upperName.text);
        object->Put(lowerName.text, upperValue);
    } else {
        object->Delete(lowerName.text);
        object->Delete(upperName.text);
    }
}

// Reverse of a sparse object: a pair with neither index stored is left as
// it is (deleting absent properties changes nothing), so only the pairs
// with a stored index are visited, lowest first as in the full walk.
void ReverseStored(CorvelObject* object, uint32_t length) {
    std::vector<uint32_t> lowers;
    for (uint32_t index : StoredIndices(object, length)) {
        uint32_t mirror = length - 1 - index;
        if (index != mirror) lowers.push_back(std::min(index, mirror));
    }
    std::sort(lowers.begin(), lowers.end());
    lowers.erase(std::unique(lowers.begin(), lowers.end()), lowers.end());
    for (uint32_t lower : lowers) ReversePair(object, lower, length - 1 - lower);
}

// Sort of a sparse object: the selection sort over every index, played out
// on the defined elements only. Undefined values (holes among them) never
// win a comparison and are compared without calling anything, so the full
// sort makes exactly the calls made here, in the same order: at each
// position it starts from the element there (or, at an undefined one, from
// the first defined element after it) and scans the defined elements
// beyond, in the order they then stand. The winner moves to the position
// and what stood there takes its place.
//
// Written back: the sorted values at 0, 1, ...; undefined at every stored
// index after them. The full walk also writes undefined into every other
// hole; here those stay holes, as writing billions of them is not possible.
void SortStored(CorvelExecutionContext* context, const CorvelValue& thisValue, CorvelObject* object,
                uint32_t length, CorvelObject* compareFunction) {
    struct Placed {
        uint32_t position;
        size_t entry;
    };
    std::vector<SortEntry> entries;
    std::vector<Placed> remaining;  // by position
    for (uint32_t index : StoredIndices(object, length)) {
        SortEntry entry = ReadSortEntry(object, index, !compareFunction);
        if (entry.value.GetType() == CorvelValue::Undefined) continue;
        remaining.push_back(Placed{index, entries.size()});
        entries.push_back(std::move(entry));
    }
    uint32_t count = (uint32_t)entries.size();
    std::vector<size_t> sorted;
    sorted.reserve(count);
    AbortCheck abortCheck(context);
    for (uint32_t position = 0; position < count; ++position) {
        size_t smallest = 0;
        for (size_t j = 1; j < remaining.size(); ++j) {
            abortCheck.Tick();
            if (CompareEntries(context, thisValue, entries[remaining[j].entry], entries[remaining[smallest].entry],
                               compareFunction) < 0)
                smallest = j;
        }
        sorted.push_back(remaining[smallest].entry);
        if (remaining.front().position == position) {
            remaining[smallest].entry = remaining.front().entry;
            remaining.erase(remaining.begin());
        } else {
            remaining.erase(remaining.begin() + (ptrdiff_t)smallest);
        }
    }
    for (uint32_t position = 0; position < count; ++position)
        object->PutElement(position, entries[sorted[position]].value);
    // Read again: a compare function may have stored elements meanwhile,
    // and the full walk overwrites those too.
    for (uint32_t index : StoredIndices(object, length))
        if (index >= count) object->PutElement(index, CorvelValue());
}

}  // namespace

CorvelStandardArrayPrototype::CorvelStandardArrayPrototype() {
    AddMethod("toString", ToString);
    AddMethod("join", Join);
    AddMethod("reverse", Reverse);
    AddMethod("sort", Sort);
}

void CorvelStandardArrayPrototype::SetupObject() {
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    SetupConstructorLink(environment ? environment->GetStandardArrayConstructor() : nullptr);
    SetOwnProperty("length", CorvelValue((double)m_length), CorvelValue::DontEnum | CorvelValue::DontDelete);
}

void CorvelStandardArrayPrototype::Put(const char* name, const CorvelValue& value) {
    CorvelStandardArrayInstance::PutArrayProperty(this, m_length, name, value);
}

void CorvelStandardArrayPrototype::ResetObject() {
    CorvelStandardPrototype::ResetObject();
    m_length = 0;
}

CorvelStatus CorvelStandardArrayPrototype::ToString(CorvelExecutionContext* context, CorvelValue*, int,
                                                    const CorvelValue& thisValue) {
    return Join(context, nullptr, 0, thisValue);
}

CorvelStatus CorvelStandardArrayPrototype::Join(CorvelExecutionContext* context, CorvelValue* arguments,
                                                int argumentCount, const CorvelValue& thisValue) {
    CorvelValue holder;
    CorvelObject* object = ThisObject(thisValue, holder);
    uint32_t length = LengthOf(object);
    const char* separator = ",";
    if (argumentCount > 0) {
        arguments[0].ToString();
        separator = TextOf(arguments[0]);
    }
    // Refused before anything is read when the separators alone are too long.
    if (length > 0) BoundedText::CheckRepeated(separator, length - 1);
    BoundedText text;
    if (IsSparse(object, length)) {
        // Element k follows k separators.
        uint32_t separators = 0;
        for (uint32_t index : StoredIndices(object, length)) {
            text.AppendRepeated(separator, index - separators);
            separators = index;
            text.AppendElement(object->GetElement(index));
        }
        if (length > 0) text.AppendRepeated(separator, length - 1 - separators);
    } else {
        for (uint32_t index = 0; index < length; ++index) {
            if (index > 0) text.Append(separator);
            text.AppendElement(object->GetElement(index));
        }
    }
    context->GetReturnValue() = CorvelValue(text.Text().c_str());
    return CorvelStatus::Return;
}

CorvelStatus CorvelStandardArrayPrototype::Reverse(CorvelExecutionContext* context, CorvelValue*, int,
                                                   const CorvelValue& thisValue) {
    CorvelValue holder;
    CorvelObject* object = ThisObject(thisValue, holder);
    uint32_t length = LengthOf(object);
    if (IsSparse(object, length)) {
        ReverseStored(object, length);
    } else {
        for (uint32_t lower = 0; lower < length / 2; ++lower) ReversePair(object, lower, length - 1 - lower);
    }
    context->SetReturnValue(thisValue);
    return CorvelStatus::Return;
}

// Nothing is written back before the order is complete, so a compare
// function that fails leaves the array as it was.
CorvelStatus CorvelStandardArrayPrototype::Sort(CorvelExecutionContext* context, CorvelValue* arguments,
                                                int argumentCount, const CorvelValue& thisValue) {
    CorvelValue holder;
    CorvelObject* object = ThisObject(thisValue, holder);
    uint32_t length = LengthOf(object);
    CorvelObject* compareFunction = nullptr;
    if (argumentCount > 0 && arguments[0].GetType() == CorvelValue::Object)
        compareFunction = arguments[0].ForceGetObject();

    if (IsSparse(object, length)) {
        SortStored(context, thisValue, object, length, compareFunction);
    } else {
        std::vector<SortEntry> entries;
        entries.reserve(length);
        for (uint32_t index = 0; index < length; ++index)
            entries.push_back(ReadSortEntry(object, index, !compareFunction));
        SelectionSort(context, thisValue, entries, compareFunction);
        for (uint32_t index = 0; index < length; ++index) object->PutElement(index, entries[index].value);
    }
    context->SetReturnValue(thisValue);
    return CorvelStatus::Return;
}

int CorvelStandardArrayPrototype::SortCompare(CorvelExecutionContext* context, const CorvelValue& thisValue,
                                              const CorvelValue& x, const CorvelValue& y,
                                              CorvelObject* compareFunction) {
    bool decided;
    int order = CompareUndefined(x, y, decided);
    if (decided) return order;
    if (!compareFunction) return CompareAsText(x, y);
    return CallCompareFunction(context, thisValue, x, y, compareFunction);
}
