#include "CorvelWith.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

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
    output->Write("with (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (object) object->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->Write(") {\n");
    output->IncrementTab(1);
    if (body) body->WriteECMAScript(output);
    output->DecrementTab(1);
    output->WriteTabs(0);
    output->Write("}\n");
}

void CorvelWith::Debug(int indent) {
    OutputDebug(indent, "CorvelWith - (object, statement)\n");
    DebugChild(object, indent + 1);
    DebugChild(body, indent + 1);
}
