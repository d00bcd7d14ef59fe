#include "CorvelVar.h"

#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"

CorvelVar::CorvelVar(CorvelExpressionList* declarations) : declarations(declarations) { NoteChild(declarations); }

CorvelVar::CorvelVar(const CorvelVar& other) : CorvelStatement(other), declarations(CopyOf(other.declarations)) {}

CorvelVar::~CorvelVar() { delete declarations; }

void CorvelVar::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->Write("var ");
    if (declarations) declarations->WriteECMAScript(output);
    output->Write(";\n");
}

void CorvelVar::Debug(int indent) {
    OutputDebug(indent, "Var\n");
    DebugChild(declarations, indent + 1);
}
