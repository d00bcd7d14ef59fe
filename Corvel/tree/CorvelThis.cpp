#include "CorvelThis.h"

#include "CorvelJSOutput.h"

void CorvelThis::WriteECMAScript(CorvelJSOutput* output) const { output->Write("this"); }

void CorvelThis::Debug(int indent) { OutputDebug(indent, "This\n"); }
