#include "CorvelBreak.h"

#include "CorvelJSOutput.h"

void CorvelBreak::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("break;\n");
}

void CorvelBreak::Debug(int indent) { OutputDebug(indent, "Break\n"); }

CorvelStatus CorvelBreak::RunStatement(CorvelExecutionContext*) const { return CorvelStatus::Break; }

void CorvelBreak::InstantiateVariables(CorvelExecutionContext*) const {}
