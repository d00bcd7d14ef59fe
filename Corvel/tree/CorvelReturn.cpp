#include "CorvelReturn.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

CorvelReturn::CorvelReturn(CorvelExpression* expression) : expression(expression) { NoteChild(expression); }

CorvelReturn::CorvelReturn(const CorvelReturn& other) : CorvelStatement(other), expression(CopyOf(other.expression)) {}

CorvelReturn::~CorvelReturn() { delete expression; }

void CorvelReturn::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->Write("return");
    if (expression) {
        output->Write(" ");
        expression->WriteECMAScript(output);
    }
    output->Write(";\n");
}

void CorvelReturn::Debug(int indent) {
    OutputDebug(indent, "Return - (value)\n");
    DebugChild(expression, indent + 1, "No value\n");
}
