#include "CorvelNew.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"

#include <utility>

CorvelNew::CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments)
    : constructor(constructor), arguments(arguments) {
    NoteChild(constructor);
    NoteChild(arguments);
    maySuspend = true;
}

CorvelNew::CorvelNew(const CorvelNew& other)
    : CorvelExpression(other), constructor(CopyOf(other.constructor)), arguments(CopyOf(other.arguments)) {}

CorvelNew::~CorvelNew() {
    delete constructor;
    delete arguments;
}

void CorvelNew::WriteECMAScript(CorvelJSOutput* output) const {
    output->Write(" (new ");
    if (constructor) constructor->WriteECMAScript(output);
    output->Write(" (");
    if (arguments) arguments->WriteECMAScript(output);
    output->Write("))");
}

void CorvelNew::Debug(int indent) {
    OutputDebug(indent, "New - (object, arguments)\n");
    DebugChild(constructor, indent + 1);
    DebugChild(arguments, indent + 1);
}

// Evaluation. Phases: 1 constructor, 3 + i argument i, 2 the construction.

CorvelStatementPosition* CorvelNew::CreateStatementPosition() const { return new NewStatementPosition(this); }

CorvelStatus CorvelNew::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    if (CorvelStatementPosition* found = context->FindStatementPosition(this)) {
        NewStatementPosition* construction = dynamic_cast<NewStatementPosition*>(found);
        if (!construction) CorvelRuntimeException::Raise(CorvelMessages::InternalNew);
        CorvelStatus status = Prepare(*construction, context);
        if (status != CorvelStatus::Suspend) status = Invoke(*construction, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    // As for a call: on the machine stack until it must move.
    int height = context->GetStatementPositionCount();
    NewStatementPosition construction(this);
    if (Prepare(construction, context) == CorvelStatus::Suspend) {
        context->InsertStatementPosition(new NewStatementPosition(std::move(construction)), height);
        return CorvelStatus::Suspend;
    }
    if (construction.KeepsArguments()) {
        NewStatementPosition* kept = new NewStatementPosition(std::move(construction));
        context->InsertStatementPosition(kept, height);
        CorvelStatus status = Invoke(*kept, result, context);
        if (status != CorvelStatus::Suspend) context->ClearStatementPosition(this);
        return status;
    }
    CorvelStatus status = Invoke(construction, result, context);
    if (status == CorvelStatus::Suspend)
        context->InsertStatementPosition(new NewStatementPosition(std::move(construction)), height);
    return status;
}

CorvelStatus CorvelNew::Prepare(NewStatementPosition& construction, CorvelExecutionContext* context) const {
    if (construction.index == 2) return CorvelStatus::Normal;
    if (construction.index == -1 || construction.index == 1) {
        if (constructor->Evaluate(construction.functionValue, context) == CorvelStatus::Suspend) {
            construction.index = 1;
            return CorvelStatus::Suspend;
        }
        construction.functionValue.GetValue();
        construction.index = 0;
    }
    if (construction.EvaluateArguments(arguments, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    CorvelObject* object = construction.functionValue.ForceGetObject();
    if (!object) Raise(CorvelMessages::NewOnNonObject);
    construction.SetFunctionObject(object);
    construction.index = 0;
    return CorvelStatus::Normal;
}

CorvelStatus CorvelNew::Invoke(NewStatementPosition& construction, CorvelValue& result,
                               CorvelExecutionContext* context) const {
    // Cleared first, so that a constructor that leaves nothing is noticed
    // whatever an earlier statement left here.
    context->ClearReturnValue();
    CorvelStatus status = construction.functionObject->Construct(context, construction.argumentValues,
                                                                 construction.argumentCount, construction.thisValue);
    if (status == CorvelStatus::Suspend) {
        construction.index = 2;
        return status;
    }
    if (context->GetReturnValue().GetType() != CorvelValue::Object) Raise(CorvelMessages::NewReturnedNonObject);
    if (status == CorvelStatus::Return)
        result = context->GetReturnValue();
    else
        result.SetUndefined();
    return CorvelStatus::Normal;
}

void CorvelNew::Raise(uint32_t messageId) const {
    CorvelRuntimeException* error = new CorvelRuntimeException(messageId);
    error->StampPosition(codePosition);
    throw error;
}
