#include "CorvelWith.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelObject.h"
#include "CorvelRuntimeException.h"
#include "CorvelValue.h"

CorvelWith::CorvelWith(CorvelExpression* object, CorvelStatement* body) : object(object), body(body) {
    NoteChild(object);
    NoteChild(body);
}

CorvelWith::CorvelWith(const CorvelWith& other)
    : CorvelStatement(other), object(CopyOf(other.object)), body(CopyOf(other.body)) {}

CorvelWith::~CorvelWith() {
    delete object;
    delete body;
}

void CorvelWith::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("with (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (object) object->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    WriteBracedBody(output, body);
}

void CorvelWith::Debug(int indent) {
    OutputDebug(indent, "CorvelWith - (object, statement)\n");
    DebugChild(object, indent + 1);
    DebugChild(body, indent + 1);
}

CorvelWith::WithStatementPosition::~WithStatementPosition() {
    if (context && scopeObject) context->RemoveScope(scopeObject);
}

// Phases: 1 object, 2 body.

CorvelStatementPosition* CorvelWith::CreateStatementPosition() const { return new WithStatementPosition(this); }

CorvelStatus CorvelWith::RunStatement(CorvelExecutionContext* context) const {
    WithStatementPosition* with = dynamic_cast<WithStatementPosition*>(context->GetStatementPosition(this));
    if (!with) CorvelRuntimeException::Raise(CorvelMessages::InternalWith);
    if (with->index != 2) {
        CorvelValue scope;
        if (object->EvaluateDereferenced(scope, context) == CorvelStatus::Suspend) {
            with->index = 1;
            return CorvelStatus::Suspend;
        }
        scope.ToObject();
        CorvelObject* scopeObject = scope.GetObject();
        context->AddScope(scopeObject);
        with->context = context;
        with->scopeObject = scopeObject;
    }
    CorvelStatus status = body ? body->RunStatement(context) : CorvelStatus(CorvelStatus::Normal);
    if (status == CorvelStatus::Suspend) {
        with->index = 2;
        return status;
    }
    context->ClearStatementPosition(this);
    return status;
}

void CorvelWith::InstantiateVariables(CorvelExecutionContext* context) const {
    if (body) body->InstantiateVariables(context);
}
