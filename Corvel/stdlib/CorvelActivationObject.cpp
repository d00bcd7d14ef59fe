#include "CorvelActivationObject.h"

#include "CorvelFunctionDefinition.h"
#include "CorvelIdentifier.h"
#include "CorvelIdentifierList.h"
#include "CorvelKeptList.h"
#include "CorvelMemoryBudget.h"
#include "CorvelObjectTable.h"
#include "CorvelSmallBlocks.h"
#include "CorvelStandardFunctionInstance.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

const char kArguments[] = "arguments";
const CorvelPropertyStore::Name kArgumentsName(kArguments);

}  // namespace

// Activations that ended as they were made, apart from their locals, wait
// on their thread for the calls that follow. Builds with the address
// sanitizer keep none, as they keep no small blocks.
typedef CorvelKeptList<CorvelActivationObject> KeptActivations;

CorvelActivationObject* CorvelActivationObject::Make(CorvelActivationObject* kept,
                                                     const CorvelIdentifierList* parameterList,
                                                     const CorvelValue* arguments, int count,
                                                     CorvelStandardFunctionInstance* calledFunction,
                                                     const CorvelFunctionDefinition* calledDefinition) {
#if CORVEL_SMALL_BLOCKS
    if (!kept) {
        KeptActivations* list = KeptActivations::Here();
        if ((kept = list ? list->Take() : nullptr)) kept->AddRef();
    }
    if (kept) {
        try {
            CorvelMemoryBudget::Charge(sizeof(CorvelActivationObject));
        } catch (...) {
            DiscardKept(kept);
            throw;
        }
        try {
            kept->Start(parameterList, arguments, count, calledFunction, calledDefinition);
        } catch (...) {
            // Charged, and no longer as made: its end releases the charge.
            kept->Release();
            throw;
        }
        return kept;
    }
#endif
    CorvelActivationObject* made =
        new CorvelActivationObject(parameterList, arguments, count, calledFunction, calledDefinition);
    made->AddRef();
    return made;
}

// Locals go at the end of every call: inline.
inline void CorvelActivationObject::DestroyLocalsApart() {
    if (!values) return;
    CorvelValue* held = values;
    uint32_t count = slotCount;
    values = nullptr;
    for (uint32_t i = 0; i < count; ++i) held[i].~CorvelValue();
    if (held != reinterpret_cast<CorvelValue*>(inlineValues))
        CorvelMemoryBudget::Free(held, count * sizeof(CorvelValue));
}

// An activation that nothing but its call came to hold, with its locals
// apart and nothing else in it, is emptied and kept.
void CorvelActivationObject::DestroyObject() {
#if CORVEL_SMALL_BLOCKS
    if (IsReusable()) {
        KeptActivations* kept = KeptActivations::Here();
        if (kept && kept->HasRoom()) {
            EndForReuse();
            kept->Keep(this);
            return;
        }
    }
#endif
    delete this;
}

// Kept emptied, its memory no longer charged: the next call charges it to
// its own environment.
void CorvelActivationObject::EndForReuse() {
    Clear();
    CorvelMemoryBudget::Release(sizeof(CorvelActivationObject));
}

void CorvelActivationObject::DiscardKept(CorvelActivationObject* activation) {
    activation->~CorvelActivationObject();
    CorvelSmallBlocks::Give(activation, sizeof(CorvelActivationObject));
}

// Back to the state of a new object before Start, as far as Start does
// not set it anyway (the parameters, the function and the argument count).
void CorvelActivationObject::Clear() {
    DestroyLocalsApart();
    if (extraArguments) extraArguments.reset();
    if (heapSlots) {
        heapSlots.reset();
        slots = inlineSlots;
    }
    argumentsPending = true;
    localsApart = false;
    bound = false;
    argumentObjectKey = 0;
    definition = nullptr;
    slotCount = 0;
}

CorvelActivationObject::CorvelActivationObject(const CorvelIdentifierList* parameterList,
                                               const CorvelValue* arguments, int count,
                                               CorvelStandardFunctionInstance* calledFunction,
                                               const CorvelFunctionDefinition* calledDefinition)
    : CorvelObject(false) {
    Start(parameterList, arguments, count, calledFunction, calledDefinition);
}

void CorvelActivationObject::Start(const CorvelIdentifierList* parameterList, const CorvelValue* arguments,
                                   int count, CorvelStandardFunctionInstance* calledFunction,
                                   const CorvelFunctionDefinition* calledDefinition) {
    parameters = parameterList;
    parameterCount = parameters ? parameters->GetNumber() : 0;
    function = calledFunction;
    argumentCount = count;
    // Registered in the object table only when a value first names it (a
    // reference to one of its properties): most calls never need its key.
    // Slots only for a definition whose parameters these are.
    if (calledDefinition && calledDefinition->GetLocalsKey() != 0 && calledDefinition->GetParameters() == parameters) {
        uint32_t count = calledDefinition->GetLocalCount();
        if (count > kInlineSlots) {
            heapSlots.reset(new CorvelValue*[count]);
            slots = heapSlots.get();
        }
        // Locals held apart fill their slots as they are made.
        if (!calledDefinition->HoldsLocalsApart())
            for (uint32_t i = 0; i < count; ++i) slots[i] = nullptr;
        slotCount = count;
        definition = calledDefinition;
    }
    if (argumentCount > parameterCount) {
        int extra = argumentCount - parameterCount;
        extraArguments.reset(new CorvelValue[extra]);
        for (int i = 0; i < extra; ++i) extraArguments[i] = arguments[parameterCount + i];
    }
    if (definition && definition->HoldsLocalsApart()) {
        MakeLocalsApart(arguments, argumentCount);
        return;
    }
    // Attributes are set explicitly: an argument read from a property may
    // carry that property's flags, which a parameter must not inherit.
    // Parameters with names all different are entered without a look first.
    bool distinct = definition && definition->HasDistinctParameters();
    bool argumentsParameter = false;
    for (int i = 0; i < parameterCount; ++i) {
        const CorvelPropertyStore::Name& name = parameters->GetIdentifier(i)->GetHashedName();
        const CorvelValue& argument = i < argumentCount ? arguments[i] : CorvelValue::ms_undefined;
        const CorvelValue& stored = distinct ? AddNewOwnProperty(name, argument, 0) : SetOwnProperty(name, argument, 0);
        if ((uint32_t)i < slotCount) slots[i] = const_cast<CorvelValue*>(&stored);
        bool isArguments = name.indexHash == kArgumentsName.indexHash && IsPendingArguments(name.text);
        argumentsParameter = argumentsParameter || isArguments;
    }
    // The object replaces a parameter of the same name, so it is made now.
    if (argumentsParameter) CreateArgumentObject();
}

CorvelActivationObject::~CorvelActivationObject() {
    if (argumentObjectKey != 0) {
        CorvelObject* object = CorvelObjectTable::FindObject(argumentObjectKey);
        CorvelArgumentObject* argumentObject = dynamic_cast<CorvelArgumentObject*>(object);
        if (argumentObject && argumentObject->activation == this) argumentObject->Detach();
    }
    DestroyLocalsApart();
}

// Every local gets a value, undefined for the variables; one named like an
// earlier local shares that one's. Parameters take their arguments, with no
// attributes of their own.
void CorvelActivationObject::MakeLocalsApart(const CorvelValue* arguments, int argumentCount) {
    uint32_t count = slotCount;
    values = count <= kInlineValues ? reinterpret_cast<CorvelValue*>(inlineValues)
                                    : static_cast<CorvelValue*>(CorvelMemoryBudget::Allocate(count * sizeof(CorvelValue)));
    uint32_t given = (uint32_t)(parameterCount < argumentCount ? parameterCount : argumentCount);
    if (definition->HasDistinctLocals()) {
        // Each local its own value, the parameters' taken from the arguments.
        for (uint32_t slot = 0; slot < given; ++slot) {
            CorvelValue* value = new (&values[slot]) CorvelValue(arguments[slot]);
            value->SetAttributes(0);
            slots[slot] = value;
        }
        for (uint32_t slot = given; slot < count; ++slot) slots[slot] = new (&values[slot]) CorvelValue();
    } else {
        for (uint32_t slot = 0; slot < count; ++slot) new (&values[slot]) CorvelValue();
        for (uint32_t slot = 0; slot < count; ++slot) slots[slot] = &values[definition->GetLocalHome(slot)];
        for (uint32_t i = 0; i < given; ++i) {
            values[i].Assign(arguments[i]);
            values[i].SetAttributes(0);
        }
    }
    localsApart = true;
    // Nothing else is in the store to bind.
    bound = true;
    boundSequence = GetNextPropertySequence();
    boundUnlinks = GetPropertyUnlinkCount();
}


CorvelValue* CorvelActivationObject::FindLocalApart(const CorvelPropertyStore::Name& key) const {
    uint32_t slot = definition->FindLocal(key);
    return slot == CorvelFunctionDefinition::kNoLocal ? nullptr : slots[slot];
}

// The entries are made first and the slots moved over only once all are
// there, so that a store without memory for them leaves the locals apart.
void CorvelActivationObject::StoreLocals() {
    if (!localsApart) return;
    uint32_t count = slotCount;
    uint32_t made = 0;
    try {
        for (; made < count; ++made)
            if (definition->GetLocalHome(made) == made)
                AddNewOwnProperty(definition->GetLocalName(made), values[made], values[made].GetAttributes());
    } catch (...) {
        for (uint32_t slot = 0; slot < made; ++slot)
            if (definition->GetLocalHome(slot) == slot) RemoveProperty(definition->GetLocalName(slot).text);
        throw;
    }
    for (uint32_t slot = 0; slot < count; ++slot)
        slots[slot] = const_cast<CorvelValue*>(FindOwnProperty(definition->GetLocalName(definition->GetLocalHome(slot))));
    localsApart = false;
    DestroyLocalsApart();
}

CorvelObject::ClassType CorvelActivationObject::Class() const { return ClassActivation; }

// A variable named like a parameter shares the parameter's property; the
// "arguments" name never has a slot, as its object is made on first use.
void CorvelActivationObject::BindVariables() {
    for (uint32_t slot = (uint32_t)parameterCount; slot < slotCount && !localsApart; ++slot) {
        const CorvelIdentifier* variable = definition->GetDeclaredVariables()[slot - parameterCount];
        const CorvelValue* own = FindOwnProperty(variable->GetHashedName());
        slots[slot] = const_cast<CorvelValue*>(own);
    }
    bound = true;
    boundSequence = GetNextPropertySequence();
    boundUnlinks = GetPropertyUnlinkCount();
}

uint32_t CorvelActivationObject::FindLocal(const CorvelPropertyStore::Name& name) const {
    return definition ? definition->FindLocal(name) : CorvelFunctionDefinition::kNoLocal;
}

// Every slot of the name (null: every slot).
void CorvelActivationObject::ClearSlots(const char* propertyName) {
    for (uint32_t slot = 0; slot < slotCount; ++slot)
        if (!propertyName || strcmp(definition->GetLocalName(slot).text, propertyName) == 0) slots[slot] = nullptr;
}

bool CorvelActivationObject::IsPendingArguments(const char* propertyName) const {
    return argumentsPending && propertyName[0] == 'a' && strcmp(propertyName, kArguments) == 0;
}

void CorvelActivationObject::CreateArgumentObject() {
    argumentsPending = false;
    CorvelArgumentObject* argumentObject = new CorvelArgumentObject(this, extraArguments.get(), argumentCount, function);
    argumentObjectKey = argumentObject->GetKey();
    SetOwnProperty(kArguments, CorvelValue(argumentObjectKey), 0);
}

const CorvelValue* CorvelActivationObject::FindOwn(const CorvelPropertyStore::Name& key, const char* propertyName,
                                                   bool make) const {
    if (localsApart)
        if (const CorvelValue* local = FindLocalApart(key)) return local;
    // Every name a function uses is looked up here: its hash is compared first.
    if (argumentsPending && key.indexHash == kArgumentsName.indexHash && IsPendingArguments(propertyName)) {
        if (!make) return &CorvelValue::ms_undefined;
        const_cast<CorvelActivationObject*>(this)->CreateArgumentObject();
    }
    return CorvelObject::FindOwn(key, propertyName, make);
}

const CorvelValue& CorvelActivationObject::Get(const char* propertyName) const {
    const CorvelValue* own = FindOwn(CorvelPropertyStore::Name(propertyName), propertyName, true);
    return own ? *own : CorvelValue::ms_undefined;
}

bool CorvelActivationObject::HasProperty(const char* propertyName) const {
    return FindOwn(CorvelPropertyStore::Name(propertyName), propertyName, false) != nullptr;
}

void CorvelActivationObject::Put(const char* propertyName, const CorvelValue& value) {
    // Replaced before it was ever read: the object need not exist.
    if (IsPendingArguments(propertyName)) argumentsPending = false;
    if (localsApart) {
        if (CorvelValue* local = FindLocalApart(CorvelPropertyStore::Name(propertyName))) {
            if (!(local->GetAttributes() & CorvelValue::ReadOnly)) local->Assign(value);
            return;
        }
    }
    CorvelObject::Put(propertyName, value);
}

bool CorvelActivationObject::Delete(const char* propertyName) {
    StoreLocals();
    if (!IsPendingArguments(propertyName)) {
        bool deleted = CorvelObject::Delete(propertyName);
        if (slotCount) ClearSlots(propertyName);
        return deleted;
    }
    argumentsPending = false;
    return true;
}

CorvelObject::PropertyEnumerator* CorvelActivationObject::BeginPropertyEnumeration() {
    StoreLocals();
    if (argumentsPending) CreateArgumentObject();
    return CorvelObject::BeginPropertyEnumeration();
}

// Locals held apart are emptied as the store's properties are: no longer
// found, then let go.
void CorvelActivationObject::ResetObject() {
    Hold hold(this);
    argumentsPending = false;
    localsApart = false;
    ClearSlots(nullptr);
    DestroyLocalsApart();
    CorvelObject::ResetObject();
}


const char* CorvelActivationObject::GetParameterName(int index) const {
    return parameters->GetIdentifier(index)->GetName();
}

CorvelActivationObject::CorvelArgumentObject::CorvelArgumentObject(CorvelActivationObject* owner,
                                                                   const CorvelValue* extraArguments,
                                                                   int argumentCount,
                                                                   CorvelStandardFunctionInstance* function)
    : CorvelObject(true), activation(owner), parameterCount(owner->GetParameterCount()) {
    char indexName[16];
    for (int i = parameterCount; i < argumentCount; ++i) {
        snprintf(indexName, sizeof indexName, "%d", i);
        SetOwnProperty(indexName, extraArguments[i - parameterCount], CorvelValue::DontEnum);
    }
    SetOwnProperty("length", CorvelValue(argumentCount), CorvelValue::DontEnum);
    CorvelValue callee;
    if (function) callee.SetObject(function->GetKey());
    SetOwnProperty("callee", callee, CorvelValue::DontEnum);
}

const char* CorvelActivationObject::CorvelArgumentObject::AliasedParameter(const char* propertyName) const {
    if (!activation || propertyName[0] == 0) return nullptr;
    char* end;
    long index = strtol(propertyName, &end, 10);
    if (*end != 0 || index < 0 || index >= parameterCount) return nullptr;
    return activation->GetParameterName((int)index);
}

// Index names keep the values they had when the call ended, so an arguments
// object that a script stored away stays readable.
// This runs while the activation is destroyed and must not fail: a value
// that finds no memory is left out, and its index then reads as undefined.
void CorvelActivationObject::CorvelArgumentObject::Detach() {
    char indexName[16];
    for (int i = 0; i < parameterCount; ++i) {
        snprintf(indexName, sizeof indexName, "%d", i);
        try {
            CorvelValue value(activation->Get(activation->GetParameterName(i)));
            SetOwnProperty(indexName, value, CorvelValue::DontEnum);
        } catch (...) {
        }
    }
    activation = nullptr;
}

const CorvelValue* CorvelActivationObject::CorvelArgumentObject::FindOwn(const CorvelPropertyStore::Name& key,
                                                                         const char* propertyName,
                                                                         bool make) const {
    if (const char* parameter = AliasedParameter(propertyName))
        return make ? &activation->Get(parameter) : &CorvelValue::ms_undefined;
    return CorvelObject::FindOwn(key, propertyName, make);
}

void CorvelActivationObject::CorvelArgumentObject::Put(const char* propertyName, const CorvelValue& value) {
    if (const char* parameter = AliasedParameter(propertyName)) {
        activation->Put(parameter, value);
        return;
    }
    CorvelObject::Put(propertyName, value);
}

bool CorvelActivationObject::CorvelArgumentObject::Delete(const char* propertyName) {
    return !AliasedParameter(propertyName) && CorvelObject::Delete(propertyName);
}
