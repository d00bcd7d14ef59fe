#include "CorvelNew.h"

#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"

CorvelNew::CorvelNew(CorvelExpression* constructor, CorvelExpressionList* arguments)
    : constructor(constructor), arguments(arguments) {
    NoteChild(constructor);
    NoteChild(arguments);
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
