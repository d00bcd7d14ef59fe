#include "CorvelEmptyStatement.h"

#include "CorvelJSOutput.h"

void CorvelEmptyStatement::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText(";\n");
}

void CorvelEmptyStatement::Debug(int indent) { OutputDebug(indent, "Empty Statement\n"); }

CorvelStatus CorvelEmptyStatement::RunStatement(CorvelExecutionContext*) const { return CorvelStatus::Normal; }

void CorvelEmptyStatement::InstantiateVariables(CorvelExecutionContext*) const {}
