#include "CorvelFunctionCall.h"

#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"

CorvelFunctionCall::CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments)
    : function(function), arguments(arguments) {
    NoteChild(function);
    NoteChild(arguments);
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
