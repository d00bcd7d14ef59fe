#include "CorvelIdentifier.h"

#include "CorvelExecutionContext.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"

#include <cstring>


// The references made of the name share its text, and its hashes with it.
CorvelIdentifier::CorvelIdentifier(const char* name)
    : nameValue(name ? name : ""),
      hashedName(nameValue.GetString()) {
    isArgumentsName = hashedName.length == 9 && strcmp(nameValue.GetString(), "arguments") == 0;
    leafKind = kIdentifierLeaf;
    numberTreeHeight = 1;
    nameValue.KeepTextHash(hashedName.bucket, hashedName.indexHash);
}

CorvelIdentifier::CorvelIdentifier(const CorvelValue& name)
    : nameValue(name),
      hashedName(CorvelPropertyStore::Name::OfValueText(nameValue.GetString())) {
    isArgumentsName = hashedName.length == 9 && strcmp(nameValue.GetString(), "arguments") == 0;
    leafKind = kIdentifierLeaf;
    numberTreeHeight = 1;
}

CorvelIdentifier::CorvelIdentifier(const CorvelIdentifier& other)
    : CorvelExpression(other),
      isArgumentsName(other.isArgumentsName),
      nameValue(other.nameValue),
      hashedName(nameValue.GetString()) {
    leafKind = kIdentifierLeaf;
    numberTreeHeight = 1;
}

void CorvelIdentifier::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText(GetName());
    output->AddReferencedVariable(GetName());
}

void CorvelIdentifier::Debug(int indent) { OutputDebug(indent, "Identifier - name=%s\n", GetName()); }

CorvelObject* CorvelIdentifier::FindScope(const CorvelExecutionContext* context) const {
    if (FindLocal(context)) return context->GetInnermostLocalScope();
    const CorvelGlobalObject* global = context->GetGlobalObject();
    for (__QelPOSITION* at = StartOfWalk(context); at;) {
        CorvelObject* scope = context->GetNextScope(at);
        if (scope == global ? global->HasName(hashedName) : scope->HasPropertyHashed(hashedName)) return scope;
    }
    return nullptr;
}

// One walk finds the scope and reads the name: asking a scope for a name it
// has and reading it differ only in that the read makes a property that is
// made on first use, which the read that follows would make anyway.
__attribute__((always_inline)) inline CorvelObject* CorvelIdentifier::FindInScopes(const CorvelExecutionContext* context, const CorvelValue*& value) const {
    const CorvelGlobalObject* global = context->GetGlobalObject();
    for (__QelPOSITION* at = StartOfWalk(context); at;) {
        CorvelObject* scope = context->GetNextScope(at);
        const CorvelValue* found = scope == global ? global->FindName(hashedName) : scope->FindHashed(hashedName);
        if (found) {
            value = found;
            return scope;
        }
    }
    return nullptr;
}

CorvelObject* CorvelIdentifier::FindScopeValue(const CorvelExecutionContext* context, const CorvelValue*& value) const {
    if (const CorvelValue* local = FindLocal(context)) {
        value = local;
        return context->GetInnermostLocalScope();
    }
    return FindInScopes(context, value);
}


CorvelStatus CorvelIdentifier::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    result.SetReference(FindScope(context), nameValue);
    return CorvelStatus::Normal;
}

CorvelValue* CorvelIdentifier::FindLocalSlot(CorvelActivationObject* activation, uint64_t key) const {
    uint32_t slot = activation->FindLocal(hashedName);
    localSlot.store(key | slot, std::memory_order_relaxed);
    return activation->GetLocal(slot);
}

void CorvelIdentifier::EvaluateInScopes(CorvelValue& result, const CorvelExecutionContext* context) const {
    const CorvelValue* value = nullptr;
    if (!FindInScopes(context, value)) CorvelRuntimeException::Raise(CorvelMessages::UndefinedIdentifier, GetName());
    result = *value;
    result.SetAttributes(0);
}
