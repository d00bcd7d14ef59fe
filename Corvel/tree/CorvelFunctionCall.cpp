#include "CorvelFunctionCall.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"

#include <utility>

CorvelFunctionCall::CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments)
    : function(function), arguments(arguments) {
    NoteChild(function);
    NoteChild(arguments);
    maySuspend = true;
}

CorvelFunctionCall::CorvelFunctionCall(const CorvelFunctionCall& other)
    : CorvelExpression(other), function(CopyOf(other.function)), arguments(CopyOf(other.arguments)) {}

CorvelFunctionCall::~CorvelFunctionCall() {
    delete function;
    delete arguments;
}

void CorvelFunctionCall::WriteECMAScript(CorvelJSOutput* output) const {
    if (function) function->WriteECMAScript(output);
    output->Write("(");
    if (arguments) arguments->WriteECMAScript(output);
    output->Write(")");
}

void CorvelFunctionCall::Debug(int indent) {
    OutputDebug(indent, "FunctionCall - (name, params)\n");
    DebugChild(function, indent + 1);
    DebugChild(arguments, indent + 1);
}

// The record.

CorvelFunctionCall::FunctionCallStatementPosition::FunctionCallStatementPosition(const CorvelStatement* owner)
    : CorvelStatementPosition(owner) {}

CorvelFunctionCall::FunctionCallStatementPosition::FunctionCallStatementPosition(
    FunctionCallStatementPosition&& other)
    : CorvelStatementPosition(other.statement),
      index(other.index),
      functionValue(std::move(other.functionValue)),
      thisValue(std::move(other.thisValue)),
      functionObject(other.functionObject),
      argumentCount(other.argumentCount),
      holdsFunction(other.holdsFunction) {
    if (other.argumentValues == other.inlineArguments) {
        for (int i = 0; i < argumentCount; ++i) inlineArguments[i] = std::move(other.inlineArguments[i]);
        argumentValues = inlineArguments;
    } else {
        argumentValues = other.argumentValues;
    }
    other.argumentValues = nullptr;
    other.argumentCount = 0;
    other.functionObject = nullptr;
    other.holdsFunction = false;
}

CorvelFunctionCall::FunctionCallStatementPosition::~FunctionCallStatementPosition() {
    if (argumentValues != inlineArguments) delete[] argumentValues;
    if (holdsFunction) functionObject->Release();
}

void CorvelFunctionCall::FunctionCallStatementPosition::SetFunctionObject(CorvelObject* object) {
    object->AddRef();
    if (holdsFunction) functionObject->Release();
    functionObject = object;
    holdsFunction = true;
}

// Built-in functions take their arguments afresh on every call; a script
// function's activation reads them for as long as it runs. Other objects
// are not known to do either.
bool CorvelFunctionCall::FunctionCallStatementPosition::KeepsArguments() const {
    return functionObject->Class() != CorvelObject::ClassBuiltInFunction;
}

void CorvelFunctionCall::FunctionCallStatementPosition::AllocateArguments(int count) {
    if (argumentValues != inlineArguments) delete[] argumentValues;
    argumentValues = count <= kInlineArguments ? inlineArguments : new CorvelValue[count];
    argumentCount = count;
}

CorvelStatus CorvelFunctionCall::FunctionCallStatementPosition::EvaluateArguments(const CorvelExpressionList* list,
                                                                                 CorvelExecutionContext* context) {
    if (!list) {
        argumentCount = 0;
        return CorvelStatus::Normal;
    }
    int first = 0;
    if (index >= 3)
        first = index - 3;
    else
        AllocateArguments(list->GetNumberOfExpressions());
    for (int i = first; i < argumentCount; ++i) {
        if (list->GetExpression(i)->EvaluateDereferenced(argumentValues[i], context) == CorvelStatus::Suspend) {
            index = i + 3;
            return CorvelStatus::Suspend;
        }
    }
    return CorvelStatus::Normal;
}

// Evaluation. Phases: 1 callee, 3 + i argument i, 2 the call itself.

CorvelStatementPosition* CorvelFunctionCall::CreateStatementPosition() const {
    return new FunctionCallStatementPosition(this);
}

CorvelStatus CorvelFunctionCall::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    if (CorvelStatementPosition* found = context->FindStatementPosition(this)) {
        FunctionCallStatementPosition* call = dynamic_cast<FunctionCallStatementPosition*>(found);
        if (!call) CorvelRuntimeException::Raise(CorvelMessages::InternalFunctionCall);
        CorvelStatus status = Prepare(*call, context);
        if (status != CorvelStatus::Suspend) status = Invoke(*call, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    // A first entry keeps its record on the machine stack; the record moves
    // into the context when the call suspends, or before a callee starts
    // that keeps the address of its arguments.
    int height = context->GetStatementPositionCount();
    FunctionCallStatementPosition call(this);
    if (Prepare(call, context) == CorvelStatus::Suspend) {
        context->InsertStatementPosition(new FunctionCallStatementPosition(std::move(call)), height);
        return CorvelStatus::Suspend;
    }
    if (call.KeepsArguments()) {
        FunctionCallStatementPosition* kept = new FunctionCallStatementPosition(std::move(call));
        context->InsertStatementPosition(kept, height);
        CorvelStatus status = Invoke(*kept, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    CorvelStatus status = Invoke(call, result, context);
    if (status == CorvelStatus::Suspend)
        context->InsertStatementPosition(new FunctionCallStatementPosition(std::move(call)), height);
    return status;
}

CorvelStatus CorvelFunctionCall::Prepare(FunctionCallStatementPosition& call, CorvelExecutionContext* context) const {
    if (call.index == 2) return CorvelStatus::Normal;
    if (call.index == -1 || call.index == 1) {
        if (function->Evaluate(call.functionValue, context) == CorvelStatus::Suspend) {
            call.index = 1;
            return CorvelStatus::Suspend;
        }
        call.index = 0;
    }
    if (call.EvaluateArguments(arguments, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    PrepareCall(call);
    call.index = 0;
    return CorvelStatus::Normal;
}

CorvelStatus CorvelFunctionCall::Invoke(FunctionCallStatementPosition& call, CorvelValue& result,
                                        CorvelExecutionContext* context) const {
    CorvelStatus status = call.functionObject->Call(context, call.argumentValues, call.argumentCount, call.thisValue);
    if (status == CorvelStatus::Suspend) {
        call.index = 2;
        return status;
    }
    if (status == CorvelStatus::Return)
        result = context->GetReturnValue();
    else
        result.SetUndefined();
    return CorvelStatus::Normal;
}

void CorvelFunctionCall::PrepareCall(FunctionCallStatementPosition& call) const {
    CorvelValue callee(call.functionValue);
    callee.GetValue();
    CorvelObject* object = callee.ForceGetObject();
    if (!object) {
        CorvelRuntimeException* error = new CorvelRuntimeException(CorvelMessages::NotAFunction);
        error->StampPosition(codePosition);
        throw error;
    }
    call.SetFunctionObject(object);
    // A function found in an activation object is called without a `this`
    // of its own, so that it sees the global object.
    CorvelObject* base = call.functionValue.GetType() == CorvelValue::Reference ? call.functionValue.GetBaseObject()
                                                                                : nullptr;
    if (base && (base->Class() & CorvelObject::KindMask) != CorvelObject::KindActivation)
        call.thisValue.SetObject(base->GetKey());
    else
        call.thisValue.SetNull();
}
