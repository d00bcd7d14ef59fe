#include "CorvelFunctionCall.h"

#include "CorvelExecutionContext.h"
#include "CorvelEnvironment.h"
#include "CorvelExpressionList.h"
#include "CorvelGlobalObject.h"
#include "CorvelIdentifier.h"
#include "CorvelJSOutput.h"
#include "CorvelMemberSelection.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelObjectTable.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionInstance.h"
#include "CorvelStandardStringPrototype.h"

#include <cstring>
#include <new>
#include <typeinfo>

#include <utility>

CorvelFunctionCall::CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments)
    : CorvelInvocation(function, arguments) {
    callsAtOnce = function && function->AsIdentifier() && ArePure(arguments);
}

void CorvelFunctionCall::WriteECMAScript(CorvelJSOutput* output) const {
    if (callee) callee->WriteECMAScript(output);
    output->WriteText("(");
    if (arguments) arguments->WriteECMAScript(output);
    output->WriteText(")");
}

void CorvelFunctionCall::Debug(int indent) {
    OutputDebug(indent, "FunctionCall - (name, params)\n");
    DebugChild(callee, indent + 1);
    DebugChild(arguments, indent + 1);
}

CorvelStatus CorvelFunctionCall::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelStatus status;
    if (callsAtOnce && !context->FindStatementPosition(this) && CallAtOnce(result, context, status))
        return status;
    return EvaluateInvocation(result, context, CorvelMessages::InternalFunctionCall);
}

namespace {

// Calls with more arguments go the general way.
const int kArgumentsAtOnce = 4;

// The arguments of a call made at once: only as many values as there are
// arguments are made and ended.
class ArgumentsAtOnce {
public:
    explicit ArgumentsAtOnce(int count) : count(count) {
        for (int i = 0; i < count; ++i) new (&Values()[i]) CorvelValue();
    }
    ~ArgumentsAtOnce() {
        for (int i = 0; i < count; ++i) Values()[i].~CorvelValue();
    }
    ArgumentsAtOnce(const ArgumentsAtOnce&) = delete;
    ArgumentsAtOnce& operator=(const ArgumentsAtOnce&) = delete;
    CorvelValue* Values() { return reinterpret_cast<CorvelValue*>(storage); }

private:
    alignas(CorvelValue) unsigned char storage[kArgumentsAtOnce * sizeof(CorvelValue)];
    int count;
};

// The function the value names, or null.
CorvelObject* FunctionOf(const CorvelValue* value) {
    return value ? CorvelObjectTable::FindObject(value->ForceGetObjectKey()) : nullptr;
}

}  // namespace

// The function is found before the arguments are evaluated, which nothing
// can tell: they neither change a scope nor fail in a way the look-up
// would have failed first. A missing name or function goes the general
// way, where errors come in their order.
bool CorvelFunctionCall::CallAtOnce(CorvelValue& result, CorvelExecutionContext* context, CorvelStatus& status) const {
    int count = arguments ? arguments->GetNumberOfExpressions() : 0;
    const CorvelValue* found = nullptr;
    CorvelObject* base = callee->AsIdentifier()->FindScopeValue(context, found);
    CorvelObject* function = base ? FunctionOf(found) : nullptr;
    if (!function) return false;
    int height = context->GetStatementPositionCount();
    if (count > kArgumentsAtOnce || typeid(*function) != typeid(CorvelStandardFunctionInstance))
        return CallFromRecord(base, function, height, result, context, status);
    ArgumentsAtOnce given(count);
    CorvelValue* values = given.Values();
    if (!EvaluatePureArguments(arguments, context, values)) return false;
    CorvelValue thisValue;
    if (GivesNoThis(base, function, context))
        thisValue.SetNull();
    else
        thisValue.SetObject(base);
    status = static_cast<CorvelStandardFunctionInstance*>(function)->CallNew(context, values, count, thisValue);
    if (status == CorvelStatus::Suspend) {
        // Kept as the general way keeps a call that suspended in its callee.
        InvocationStatementPosition* kept = new InvocationStatementPosition(this);
        kept->index = 2;
        kept->SetFunctionObject(function);
        kept->thisValue = std::move(thisValue);
        kept->TakeArguments(values, count);
        context->InsertStatementPosition(kept, height);
        return true;
    }
    if (status == CorvelStatus::Return)
        result = std::move(context->GetReturnValue());
    else
        result.SetUndefined();
    status = CorvelStatus::Normal;
    return true;
}

// Invoked from a record on the machine stack, as the general way would,
// but without looking the name up again. Out of line, as most calls made
// at once need no record.
__attribute__((noinline)) bool CorvelFunctionCall::CallFromRecord(CorvelObject* base, CorvelObject* function,
                                                                  int height, CorvelValue& result,
                                                                  CorvelExecutionContext* context,
                                                                  CorvelStatus& status) const {
    InvocationStatementPosition record(this);
    if (!record.EvaluatePureArguments(arguments, context)) return false;
    TakeFunction(record, base, function, context);
    record.index = 0;
    status = StartFirstEntry(record, height, result, context);
    return true;
}

const CorvelMemberSelection* CorvelFunctionCall::MethodCallee() const {
    const CorvelMemberSelection* selection = callee->AsPlainSelection();
    return selection && !selection->IsBracketForm() && selection->GetMember()->AsIdentifier() ? selection : nullptr;
}

// o.name(...) keeps o itself, an object or a string, as the callee until the
// arguments are done, and name(...) the scope that has the name (undefined
// when none has); the function is read from it then, as a reference to it
// would be read. Anything else becomes the reference the callee evaluates to.
CorvelStatus CorvelFunctionCall::EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const {
    if (const CorvelIdentifier* name = callee->AsIdentifier()) {
        if (CorvelObject* scope = name->FindScope(context)) out.SetObject(scope);
        else out.SetUndefined();
        return CorvelStatus::Normal;
    }
    const CorvelMemberSelection* selection = MethodCallee();
    if (!selection) return callee->Evaluate(out, context);
    selection->GetObject()->EvaluateDereferenced(out, context);
    CorvelValue::Type type = out.GetType();
    if (type != CorvelValue::String && type != CorvelValue::Object) selection->MakeReferenceOf(out);
    return CorvelStatus::Normal;
}

// A string's method that reads it only as text is called with the string
// itself as this; any other member is read from a String object made of it
// now, as the callee's reference would have been made (nothing can tell
// the object was made after the arguments).
bool CorvelFunctionCall::SelectStringMethod(InvocationStatementPosition& call,
                                            const CorvelMemberSelection* selection) const {
    const CorvelIdentifier* name = selection->GetMember()->AsIdentifier();
    CorvelEnvironment* environment = CorvelEnvironment::Get();
    CorvelObject* prototype = environment ? environment->GetStandardStringPrototype() : nullptr;
    if (prototype && strcmp(name->GetName(), "length") != 0) {
        const CorvelValue& method = prototype->GetHashed(name->GetHashedName());
        if (CorvelStandardStringPrototype::ReadsThisAsText(method)) {
            call.thisValue = call.functionValue;
            call.SetFunctionObject(method.ForceGetObject());
            return true;
        }
    }
    selection->MakeReferenceOf(call.functionValue);
    return false;
}

// A function's activation is no `this`: its functions see the global
// object instead. Nor need the global object be one for a script function,
// which takes it for a null `this` anyway, without counting references to
// it.
bool CorvelFunctionCall::GivesNoThis(const CorvelObject* base, const CorvelObject* function,
                                     const CorvelExecutionContext* context) {
    // The global object is asked first: most functions are found there.
    return !base ||
           (base == context->GetGlobalObject() && typeid(*function) == typeid(CorvelStandardFunctionInstance)) ||
           (base->Class() & CorvelObject::KindMask) == CorvelObject::KindActivation;
}

// The function read from `base` (null: the callee was no reference) is the
// one to invoke, and `base` its `this` (see GivesNoThis), as the base of the
// callee's reference would be.
__attribute__((always_inline)) inline void CorvelFunctionCall::TakeFunction(InvocationStatementPosition& call,
                                                                            CorvelObject* base, CorvelObject* function,
                                                                            const CorvelExecutionContext* context) const {
    if (!function) Raise(CorvelMessages::NotAFunction);
    call.SetFunctionObject(function);
    if (GivesNoThis(base, function, context))
        call.thisValue.SetNull();
    else if (call.functionValue.GetType() == CorvelValue::Object)  // the base, kept as the callee
        call.thisValue = std::move(call.functionValue);
    else
        call.thisValue.SetObject(base);
}

// The method of an object kept as the callee. Global names are read
// through the global object's remembered properties.
void CorvelFunctionCall::SelectMethod(InvocationStatementPosition& call, const CorvelIdentifier* name,
                                      const CorvelExecutionContext* context) const {
    CorvelObject* base = CorvelObjectTable::FindObject(call.functionValue.ForceGetObjectKey());
    if (!base) CorvelRuntimeException::Raise(CorvelMessages::ObjectDestroyed);
    const CorvelGlobalObject* global = context->GetGlobalObject();
    const CorvelValue* function;
    if (base == global)
        function = global->FindName(name->GetHashedName());
    else
        function = &base->GetHashed(name->GetHashedName());
    TakeFunction(call, base, FunctionOf(function), context);
}


void CorvelFunctionCall::SelectObject(InvocationStatementPosition& call, const CorvelExecutionContext* context) const {
    CorvelValue::Type type = call.functionValue.GetType();
    if (const CorvelIdentifier* name = callee->AsIdentifier()) {
        if (type != CorvelValue::Object)
            CorvelRuntimeException::Raise(CorvelMessages::UndefinedIdentifier, name->GetName());
        return SelectMethod(call, name, context);
    }
    if (type == CorvelValue::String || type == CorvelValue::Object) {
        if (const CorvelMemberSelection* selection = MethodCallee()) {
            if (type == CorvelValue::String && SelectStringMethod(call, selection)) return;
            if (type == CorvelValue::Object) return SelectMethod(call, selection->GetMember()->AsIdentifier(), context);
        }
    }
    const CorvelValue& calleeValue = call.functionValue;
    const CorvelValue* function = &calleeValue;
    CorvelObject* base = nullptr;
    if (calleeValue.GetType() == CorvelValue::Reference) {
        base = calleeValue.GetBaseObject();
        if (!base) {
            if (calleeValue.GetBaseObjectKey() != 0) CorvelRuntimeException::Raise(CorvelMessages::ObjectDestroyed);
            CorvelRuntimeException::Raise(CorvelMessages::UndefinedIdentifier, calleeValue.GetPropertyName());
        }
        // The reference holds the base for as long as the record keeps it.
        function = &base->GetHashed(CorvelPropertyStore::Name::OfValueText(calleeValue.GetPropertyName()));
    }
    TakeFunction(call, base, FunctionOf(function), context);
}

CorvelStatus CorvelFunctionCall::Invoke(InvocationStatementPosition& call, CorvelValue& result,
                                        CorvelExecutionContext* context) const {
    CorvelStatus status = call.functionObject->Call(context, call.argumentValues, call.argumentCount, call.thisValue);
    if (status == CorvelStatus::Suspend) return status;
    // Taken out of the context: the result belongs to the expression, not
    // to the statement's completion value.
    if (status == CorvelStatus::Return)
        result = std::move(context->GetReturnValue());
    else
        result.SetUndefined();
    return CorvelStatus::Normal;
}
