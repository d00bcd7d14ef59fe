// CorvelIdentifier: a name in an expression.
#pragma once

#include "CorvelConstant.h"
#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelFunctionDefinition.h"
#include "CorvelGlobalObject.h"
#include "CorvelPropertyStore.h"
#include "CorvelValue.h"
#include "QelString.h"

#include <atomic>
#include <cstdint>

class CorvelObject;

class CorvelIdentifier : public CorvelExpression {
public:
    explicit CorvelIdentifier(const char* name);
    // Shares the text of `name`, a String value, and the hashes kept with it.
    explicit CorvelIdentifier(const CorvelValue& name);
    CorvelIdentifier(const CorvelIdentifier& other);

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    // A reference to the name in the innermost scope that has it, or one
    // without a base when no scope has it.
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    // The innermost scope that has the name, or null.
    CorvelObject* FindScope(const CorvelExecutionContext* context) const;
    // FindScope and, in the same walk, the name's property there as a read
    // of the reference would find it (`value` is left alone when no scope
    // has the name).
    CorvelObject* FindScopeValue(const CorvelExecutionContext* context, const CorvelValue*& value) const;
    // The value a dereference of the reference would give, read without
    // making the reference; raises 1029 when no scope has the name. Inline:
    // every read of a name starts here.
    void EvaluateValue(CorvelValue& result, const CorvelExecutionContext* context) const {
        if (const CorvelValue* local = FindLocal(context)) {
            result.Assign(*local);
            result.SetAttributes(0);
            return;
        }
        EvaluateInScopes(result, context);
    }

    // The name's property when it is found without a walk of the scope
    // chain: a local name (parameter or variable) of the function whose
    // activation is the innermost scope, or an own property the global
    // object remembers for the name when it is the innermost scope. Else
    // null, and the name is looked up along the scope chain.
    // Always inline: the optimiser across sources would otherwise make it a
    // call at its many places, most of them in loops.
    __attribute__((always_inline)) CorvelValue* FindLocal(const CorvelExecutionContext* context) const {
        // Only an innermost activation has a locals key: asked first, as
        // most names of a function are its own.
        uint64_t key = context->GetInnermostLocalsKey();
        if (key != 0) {
            uint64_t cached = localSlot.load(std::memory_order_relaxed);
            if ((cached & ~(uint64_t)kSlotMask) == key)
                return context->GetInnermostLocal((uint32_t)(cached & kSlotMask));
            return FindLocalSlot(context->GetInnermostActivation(), key);
        }
        if (context->GetInnermostActivation()) return nullptr;
        const CorvelGlobalObject* global = context->GetInnermostGlobal();
        return global ? global->PeekName(hashedName) : nullptr;
    }
    // Whether the innermost scope is an activation that surely does not
    // have the name: FindLocal found it has no slot for it, it is not
    // "arguments", and the activation holds only its locals.
    bool SkipsActivation(const CorvelExecutionContext* context) const {
        CorvelActivationObject* activation = context->GetInnermostActivation();
        if (!activation || isArgumentsName) return false;
        uint64_t key = activation->GetLocalsKey();
        return key != 0 && localSlot.load(std::memory_order_relaxed) == (key | kSlotMask) &&
               activation->HoldsOnlyLocals();
    }
    // EvaluateValue for a name that FindLocal did not find.
    void EvaluateInScopes(CorvelValue& result, const CorvelExecutionContext* context) const;
    // FindScopeValue past the name's place in the running function.
    CorvelObject* FindInScopes(const CorvelExecutionContext* context, const CorvelValue*& value) const;

    const char* GetName() const { return nameValue.GetString(); }
    // The name as a String value, shared by the references made of it.
    const CorvelValue& GetNameValue() const { return nameValue; }
    const CorvelPropertyStore::Name& GetHashedName() const { return hashedName; }

private:
    // First, so that it lies in the padding at the end of the expression
    // base rather than in a word of its own.
    bool isArgumentsName;
    // The name's one text, made once, so that evaluating the name neither
    // copies nor hashes it.
    CorvelValue nameValue;
    CorvelPropertyStore::Name hashedName;
    // The slot found for the name in the last function it was used in: that
    // definition's locals key with the slot in the low 24 bits. A tree may
    // run on several threads at once, hence atomic.
    mutable std::atomic<uint64_t> localSlot{0};
    static const uint64_t kSlotMask = CorvelFunctionDefinition::kNoLocal;
    // Where a walk of the scope chain for the name starts: past the
    // running function's activation when it surely lacks the name.
    __QelPOSITION* StartOfWalk(const CorvelExecutionContext* context) const {
        __QelPOSITION* at = context->GetScopeChainHeadPosition();
        if (at && SkipsActivation(context)) context->GetNextScope(at);
        return at;
    }
    // Finds the name's slot in a function met for the first time.
    CorvelValue* FindLocalSlot(CorvelActivationObject* activation, uint64_t key) const;
};

inline const CorvelIdentifier* CorvelExpression::AsIdentifier() const {
    return leafKind == kIdentifierLeaf ? static_cast<const CorvelIdentifier*>(this) : nullptr;
}

__attribute__((always_inline)) inline const CorvelValue* CorvelExpression::PeekValue(
    const CorvelExecutionContext* context) const {
    if (leafKind == kConstantLeaf) return &static_cast<const CorvelConstant*>(this)->GetValue();
    return leafKind == kIdentifierLeaf ? static_cast<const CorvelIdentifier*>(this)->FindLocal(context) : nullptr;
}
