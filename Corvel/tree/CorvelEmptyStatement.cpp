#include "CorvelEmptyStatement.h"

#include "CorvelJSOutput.h"

void CorvelEmptyStatement::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->Write(";\n");
}

void CorvelEmptyStatement::Debug(int indent) { OutputDebug(indent, "Empty Statement\n"); }
