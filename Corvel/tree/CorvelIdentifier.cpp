#include "CorvelIdentifier.h"

#include "CorvelExecutionContext.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"

CorvelIdentifier::CorvelIdentifier(const char* name) : nameValue(name ? name : ""), hashedName(nameValue.GetString()) {
    identifier = this;
}

CorvelIdentifier::CorvelIdentifier(const CorvelIdentifier& other)
    : CorvelExpression(other), nameValue(other.nameValue), hashedName(nameValue.GetString()) {
    identifier = this;
}

void CorvelIdentifier::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText(GetName());
    output->AddReferencedVariable(GetName());
}

void CorvelIdentifier::Debug(int indent) { OutputDebug(indent, "Identifier - name=%s\n", GetName()); }

CorvelObject* CorvelIdentifier::FindScope(const CorvelExecutionContext* context) const {
    for (__QelPOSITION* at = context->GetScopeChainHeadPosition(); at;) {
        CorvelObject* scope = context->GetNextScope(at);
        if (scope->HasPropertyHashed(hashedName)) return scope;
    }
    return nullptr;
}

CorvelStatus CorvelIdentifier::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelObject* scope = FindScope(context);
    result.SetReference(scope ? scope->GetKey() : 0, nameValue);
    return CorvelStatus::Normal;
}

// One walk finds the scope and reads the name: asking a scope for a name it
// has and reading it differ only in that the read makes a property that is
// made on first use, which the read that follows would make anyway.
void CorvelIdentifier::EvaluateValue(CorvelValue& result, const CorvelExecutionContext* context) const {
    for (__QelPOSITION* at = context->GetScopeChainHeadPosition(); at;) {
        CorvelObject* scope = context->GetNextScope(at);
        if (const CorvelValue* value = scope->FindHashed(hashedName)) {
            result = *value;
            result.SetAttributes(0);
            return;
        }
    }
    CorvelRuntimeException::Raise(CorvelMessages::UndefinedIdentifier, GetName());
}
