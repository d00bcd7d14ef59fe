#include "CorvelActivationObject.h"

#include "CorvelIdentifier.h"
#include "CorvelIdentifierList.h"
#include "CorvelObjectTable.h"
#include "CorvelStandardFunctionInstance.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kArguments[] = "arguments";
const CorvelPropertyStore::Name kArgumentsName(kArguments);

}  // namespace

CorvelActivationObject::CorvelActivationObject(const CorvelIdentifierList* parameterList,
                                               const CorvelValue* arguments, int count,
                                               CorvelStandardFunctionInstance* calledFunction)
    : CorvelObject(true), parameters(parameterList), argumentCount(count), function(calledFunction) {
    int parameterCount = GetParameterCount();
    if (argumentCount > parameterCount) {
        int extra = argumentCount - parameterCount;
        extraArguments.reset(new CorvelValue[extra]);
        for (int i = 0; i < extra; ++i) extraArguments[i] = arguments[parameterCount + i];
    }
    // Attributes are set explicitly: an argument read from a property may
    // carry that property's flags, which a parameter must not inherit.
    bool argumentsParameter = false;
    for (int i = 0; i < parameterCount; ++i) {
        const CorvelPropertyStore::Name& name = parameters->GetIdentifier(i)->GetHashedName();
        SetOwnProperty(name, i < argumentCount ? arguments[i] : CorvelValue::ms_undefined, 0);
        bool isArguments = name.indexHash == kArgumentsName.indexHash && IsPendingArguments(name.text);
        argumentsParameter = argumentsParameter || isArguments;
    }
    // The object replaces a parameter of the same name, so it is made now.
    if (argumentsParameter) CreateArgumentObject();
}

CorvelActivationObject::~CorvelActivationObject() {
    CorvelObject* object = CorvelObjectTable::FindObject(argumentObjectKey);
    CorvelArgumentObject* argumentObject = dynamic_cast<CorvelArgumentObject*>(object);
    if (argumentObject && argumentObject->activation == this) argumentObject->Detach();
}

CorvelObject::ClassType CorvelActivationObject::Class() const { return ClassActivation; }

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
    CorvelObject::Put(propertyName, value);
}

bool CorvelActivationObject::Delete(const char* propertyName) {
    if (!IsPendingArguments(propertyName)) return CorvelObject::Delete(propertyName);
    argumentsPending = false;
    return true;
}

CorvelObject::PropertyEnumerator* CorvelActivationObject::BeginPropertyEnumeration() {
    if (argumentsPending) CreateArgumentObject();
    return CorvelObject::BeginPropertyEnumeration();
}

void CorvelActivationObject::ResetObject() {
    argumentsPending = false;
    CorvelObject::ResetObject();
}

int CorvelActivationObject::GetParameterCount() const { return parameters ? parameters->GetNumber() : 0; }

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
