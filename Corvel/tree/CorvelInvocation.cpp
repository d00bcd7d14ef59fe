#include "CorvelInvocation.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpressionList.h"
#include "CorvelObject.h"
#include "CorvelOperator.h"
#include "CorvelRuntimeException.h"
#include "CorvelStandardFunctionInstance.h"

#include <new>
#include <typeinfo>
#include <utility>

namespace {

// An argument that is arithmetic over numbers is computed as a number, with
// no value on the way: f(n - 1). False when it is not one, or when one of
// its names is not a number.
__attribute__((always_inline)) inline bool ComputeNumberArgument(const CorvelExpression* argument, const CorvelExecutionContext* context,
                           CorvelValue& value) {
    double number;
    if (argument->NumberTreeHeight() <= 1 || !CorvelOperator::NumberOf(argument, context, number)) return false;
    value.SetNumber(number);
    return true;
}

}  // namespace

bool CorvelInvocation::ArePure(const CorvelExpressionList* list) {
    if (!list) return true;
    for (int i = 0; i < list->GetNumberOfExpressions(); ++i) {
        const CorvelExpression* argument = list->GetExpression(i);
        if (!argument || !(argument->IsLeaf() || argument->NumberTreeHeight() > 0)) return false;
    }
    return true;
}

CorvelInvocation::CorvelInvocation(CorvelExpression* callee, CorvelExpressionList* arguments)
    : callee(callee), arguments(arguments) {
    NoteChild(callee);
    NoteChild(arguments);
    maySuspend = true;
}

CorvelInvocation::CorvelInvocation(const CorvelInvocation& other)
    : CorvelExpression(other), callee(CopyOf(other.callee)), arguments(nullptr) {
    try {
        arguments = CopyOf(other.arguments);
    } catch (...) {
        delete callee;
        throw;
    }
}

CorvelInvocation::~CorvelInvocation() {
    delete callee;
    delete arguments;
}

void CorvelInvocation::Raise(uint32_t messageId) const {
    CorvelRuntimeException* error = new CorvelRuntimeException(messageId);
    StampError(error);
    throw error;
}

// The record.

CorvelInvocation::InvocationStatementPosition::InvocationStatementPosition(const CorvelStatement* owner)
    : CorvelStatementPosition(owner) {}

CorvelInvocation::InvocationStatementPosition::InvocationStatementPosition(InvocationStatementPosition&& other)
    : CorvelStatementPosition(other.statement),
      index(other.index),
      functionValue(std::move(other.functionValue)),
      thisValue(std::move(other.thisValue)),
      functionObject(other.functionObject),
      argumentValues(other.argumentValues),
      argumentCount(other.argumentCount),
      holdsFunction(other.holdsFunction) {
    if (other.argumentValues == other.InlineArguments()) {
        CorvelValue* from = other.InlineArguments();
        argumentValues = InlineArguments();
        for (int i = 0; i < argumentCount; ++i) {
            new (&argumentValues[i]) CorvelValue(std::move(from[i]));
            from[i].~CorvelValue();
        }
    }
    other.argumentValues = nullptr;
    other.argumentCount = 0;
    other.functionObject = nullptr;
    other.holdsFunction = false;
}

CorvelInvocation::InvocationStatementPosition::~InvocationStatementPosition() {
    FreeArguments();
    if (holdsFunction) functionObject->Release();
}

void CorvelInvocation::InvocationStatementPosition::SetFunctionObject(CorvelObject* object) {
    object->AddRef();
    if (holdsFunction) functionObject->Release();
    functionObject = object;
    holdsFunction = true;
}

// Built-in functions take their arguments afresh on every call; a script
// function's activation copies what it needs of them when the call starts.
// Other objects are not known to do either.
bool CorvelInvocation::InvocationStatementPosition::KeepsArguments() const {
    if (functionObject->Class() == CorvelObject::ClassBuiltInFunction) return false;
    return typeid(*functionObject) != typeid(CorvelStandardFunctionInstance);
}

// Inline, as they are on the path of every call.
inline void CorvelInvocation::InvocationStatementPosition::AllocateArguments(int count) {
    FreeArguments();
    if (count > kInlineArguments) {
        argumentValues = new CorvelValue[count];
    } else {
        argumentValues = InlineArguments();
        for (int i = 0; i < count; ++i) new (&argumentValues[i]) CorvelValue();
    }
    argumentCount = count;
}

inline void CorvelInvocation::InvocationStatementPosition::FreeArguments() {
    if (argumentValues == InlineArguments()) {
        for (int i = 0; i < argumentCount; ++i) argumentValues[i].~CorvelValue();
    } else {
        delete[] argumentValues;
    }
    argumentValues = nullptr;
    argumentCount = 0;
}

CorvelStatus CorvelInvocation::InvocationStatementPosition::EvaluateArguments(const CorvelExpressionList* list,
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
        const CorvelExpression* argument = list->GetExpression(i);
        if (ComputeNumberArgument(argument, context, argumentValues[i])) continue;
        if (argument->EvaluateDereferenced(argumentValues[i], context) == CorvelStatus::Suspend) {
            index = i + 3;
            return CorvelStatus::Suspend;
        }
    }
    return CorvelStatus::Normal;
}

bool CorvelInvocation::InvocationStatementPosition::EvaluatePureArguments(const CorvelExpressionList* list,
                                                                         CorvelExecutionContext* context) {
    AllocateArguments(list ? list->GetNumberOfExpressions() : 0);
    return CorvelInvocation::EvaluatePureArguments(list, context, argumentValues);
}

void CorvelInvocation::InvocationStatementPosition::TakeArguments(CorvelValue* values, int count) {
    AllocateArguments(count);
    for (int i = 0; i < count; ++i) argumentValues[i] = std::move(values[i]);
}

bool CorvelInvocation::EvaluatePureArguments(const CorvelExpressionList* list, CorvelExecutionContext* context,
                                             CorvelValue* values) {
    int count = list ? list->GetNumberOfExpressions() : 0;
    for (int i = 0; i < count; ++i) {
        const CorvelExpression* argument = list->GetExpression(i);
        if (argument->IsLeaf())
            argument->EvaluateDereferenced(values[i], context);
        else if (!ComputeNumberArgument(argument, context, values[i]))
            return false;
    }
    return true;
}

// Evaluation.

CorvelStatementPosition* CorvelInvocation::CreateStatementPosition() const {
    return new InvocationStatementPosition(this);
}

CorvelStatus CorvelInvocation::EvaluateInvocation(CorvelValue& result, CorvelExecutionContext* context,
                                                  uint32_t wrongRecordMessage) const {
    if (CorvelStatementPosition* found = context->FindStatementPosition(this)) {
        InvocationStatementPosition* record = dynamic_cast<InvocationStatementPosition*>(found);
        if (!record) CorvelRuntimeException::Raise(wrongRecordMessage);
        CorvelStatus status = Prepare(*record, context);
        if (status != CorvelStatus::Suspend) status = Start(*record, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    // A first entry keeps its record on the machine stack; the record moves
    // into the context when the invocation suspends, or before an object
    // starts that keeps the address of its arguments.
    int height = context->GetStatementPositionCount();
    InvocationStatementPosition record(this);
    if (Prepare(record, context) == CorvelStatus::Suspend) {
        context->InsertStatementPosition(new InvocationStatementPosition(std::move(record)), height);
        return CorvelStatus::Suspend;
    }
    return StartFirstEntry(record, height, result, context);
}

CorvelStatus CorvelInvocation::StartFirstEntry(InvocationStatementPosition& record, int height, CorvelValue& result,
                                               CorvelExecutionContext* context) const {
    if (record.KeepsArguments()) {
        InvocationStatementPosition* kept = new InvocationStatementPosition(std::move(record));
        context->InsertStatementPosition(kept, height);
        CorvelStatus status = Start(*kept, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    CorvelStatus status = Start(record, result, context);
    if (status == CorvelStatus::Suspend)
        context->InsertStatementPosition(new InvocationStatementPosition(std::move(record)), height);
    return status;
}

// Prepare and Start are on the path of every call: inline.
inline CorvelStatus CorvelInvocation::Prepare(InvocationStatementPosition& record,
                                              CorvelExecutionContext* context) const {
    if (record.index == 2) return CorvelStatus::Normal;
    if (record.index == -1 || record.index == 1) {
        if (EvaluateCallee(record.functionValue, context) == CorvelStatus::Suspend) {
            record.index = 1;
            return CorvelStatus::Suspend;
        }
        record.index = 0;
    }
    if (record.EvaluateArguments(arguments, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    SelectObject(record, context);
    record.index = 0;
    return CorvelStatus::Normal;
}

inline CorvelStatus CorvelInvocation::Start(InvocationStatementPosition& record, CorvelValue& result,
                                            CorvelExecutionContext* context) const {
    CorvelStatus status = Invoke(record, result, context);
    if (status == CorvelStatus::Suspend) record.index = 2;
    return status;
}

CorvelStatus CorvelInvocation::EvaluateCallee(CorvelValue& out, CorvelExecutionContext* context) const {
    return callee->Evaluate(out, context);
}
