#include "CorvelForIn.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

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
    output->Write("for (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (variable) variable->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->Write(" in ");
    if (object) object->WriteECMAScript(output);
    output->Write(") {\n");
    output->IncrementTab(1);
    if (body) body->WriteECMAScript(output);
    output->DecrementTab(1);
    output->WriteTabs(0);
    output->Write("}\n");
}

void CorvelForIn::Debug(int indent) {
    OutputDebug(indent, "ForIn - (variable, expression, statement)\n");
    DebugChild(variable, indent + 1);
    DebugChild(object, indent + 1);
    DebugChild(body, indent + 1);
}
