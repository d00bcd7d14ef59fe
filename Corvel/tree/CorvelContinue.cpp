#include "CorvelContinue.h"

#include "CorvelJSOutput.h"

void CorvelContinue::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("continue;\n");
}

void CorvelContinue::Debug(int indent) { OutputDebug(indent, "Continue\n"); }

CorvelStatus CorvelContinue::RunStatement(CorvelExecutionContext*) const { return CorvelStatus::Continue; }

void CorvelContinue::InstantiateVariables(CorvelExecutionContext*) const {}
