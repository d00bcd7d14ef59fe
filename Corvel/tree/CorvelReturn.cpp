#include "CorvelReturn.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelJSOutput.h"
#include "CorvelValue.h"

#include <utility>

CorvelReturn::CorvelReturn(CorvelExpression* expression) : expression(expression) { NoteChild(expression); }

CorvelReturn::CorvelReturn(const CorvelReturn& other) : CorvelStatement(other), expression(CopyOf(other.expression)) {}

CorvelReturn::~CorvelReturn() { delete expression; }

void CorvelReturn::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("return");
    if (expression) {
        output->WriteText(" ");
        expression->WriteECMAScript(output);
    }
    output->WriteText(";\n");
}

void CorvelReturn::Debug(int indent) {
    OutputDebug(indent, "Return - (value)\n");
    DebugChild(expression, indent + 1, "No value\n");
}

// The expression's own records carry its progress across a suspension.
CorvelStatus CorvelReturn::RunStatement(CorvelExecutionContext* context) const {
    if (!expression) {
        context->ClearReturnValue();
        return CorvelStatus::Return;
    }
    CorvelValue value;
    if (expression->EvaluateDereferenced(value, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
    context->GetReturnValue() = std::move(value);
    return CorvelStatus::Return;
}

void CorvelReturn::InstantiateVariables(CorvelExecutionContext*) const {}
