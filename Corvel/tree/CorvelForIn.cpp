#include "CorvelForIn.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelJSOutput.h"
#include "CorvelMessages.h"
#include "CorvelOperator.h"
#include "CorvelRuntimeException.h"

#include <utility>

CorvelForIn::CorvelForIn(CorvelExpression* variable, CorvelExpression* object, CorvelStatement* body,
                         bool declaresVariable)
    : variable(variable), object(object), body(body), declaresVariable(declaresVariable) {
    NoteChild(variable);
    NoteChild(object);
    NoteChild(body);
}

CorvelForIn::CorvelForIn(const CorvelForIn& other)
    : CorvelStatement(other),
      variable(CopyOf(other.variable)),
      object(CopyOf(other.object)),
      body(CopyOf(other.body)),
      declaresVariable(other.declaresVariable) {}

CorvelForIn::~CorvelForIn() {
    delete variable;
    delete object;
    delete body;
}

void CorvelForIn::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("for (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (variable) variable->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->WriteText(" in ");
    if (object) object->WriteECMAScript(output);
    WriteBracedBody(output, body);
}

void CorvelForIn::Debug(int indent) {
    OutputDebug(indent, "ForIn - (variable, expression, statement)\n");
    DebugChild(variable, indent + 1);
    DebugChild(object, indent + 1);
    DebugChild(body, indent + 1);
}

// The record.

CorvelForIn::ForInStatementPosition::~ForInStatementPosition() {
    if (!object) return;
    object->EndPropertyEnumeration(enumerator);
    object->Release();
}

void CorvelForIn::ForInStatementPosition::Enumerate(CorvelObject* enumerated) {
    enumerated->AddRef();
    object = enumerated;
    enumerator = object->BeginPropertyEnumeration();
}

bool CorvelForIn::ForInStatementPosition::NextName() {
    while (enumerator) {
        const char* next = object->GetNextPropertyName(enumerator);
        if (!next) return false;
        name.SetString(next);
        if (!(object->Get(name.GetString()).GetAttributes() & CorvelValue::DontEnum)) return true;
    }
    return false;
}

// Evaluation. Phases: 1 variable initialiser, 2 object, 3 body or after a
// yield, 4 assigning a name, 0 next name.

CorvelStatementPosition* CorvelForIn::CreateStatementPosition() const { return new ForInStatementPosition(this); }

const CorvelExpression* CorvelForIn::Target() const {
    if (!declaresVariable) return variable;
    const CorvelOperator* assignment = dynamic_cast<const CorvelOperator*>(variable);
    return assignment ? assignment->GetLeftOperand() : variable;
}

CorvelStatus CorvelForIn::RunStatement(CorvelExecutionContext* context) const {
    ForInStatementPosition* loop = dynamic_cast<ForInStatementPosition*>(context->GetStatementPosition(this));
    if (!loop) CorvelRuntimeException::Raise(CorvelMessages::InternalForIn);
    int32_t& index = loop->index;
    if (index == -1 || index == 1) {
        CorvelValue ignored;
        if (declaresVariable && variable->Evaluate(ignored, context) == CorvelStatus::Suspend) {
            index = 1;
            return CorvelStatus::Suspend;
        }
        index = 2;
    }
    if (index == 2) {
        CorvelValue enumerated;
        if (object->EvaluateDereferenced(enumerated, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        enumerated.ToObject();
        loop->Enumerate(enumerated.GetObject());
        index = 0;
    }
    for (;;) {
        if (index == 0) {
            if (!loop->NextName()) break;
            index = 4;
        }
        if (index == 4) {
            CorvelValue reference;
            if (Target()->Evaluate(reference, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
            reference.PutValue(context, loop->name);
        }
        index = 0;
        if (ShouldYield(context)) {
            index = 3;
            return CorvelStatus::Suspend;
        }
        CorvelStatus status = body ? body->RunStatement(context) : CorvelStatus(CorvelStatus::Normal);
        if (status == CorvelStatus::Suspend) {
            index = 3;
            return status;
        }
        if (status == CorvelStatus::Return) {
            context->ClearStatementPosition(this);
            return status;
        }
        SaveCompletionValue(context, loop->value);
        if (status == CorvelStatus::Break) break;
        index = 0;
    }
    RestoreCompletionValue(context, loop->value);
    context->ClearStatementPosition(this);
    return CorvelStatus::Normal;
}

void CorvelForIn::InstantiateVariables(CorvelExecutionContext* context) const {
    if (declaresVariable) context->InstantiateVariable(variable);
    if (body) body->InstantiateVariables(context);
}
