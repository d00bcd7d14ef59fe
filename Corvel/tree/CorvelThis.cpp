#include "CorvelThis.h"

#include "CorvelExecutionContext.h"
#include "CorvelJSOutput.h"

void CorvelThis::WriteECMAScript(CorvelJSOutput* output) const { output->WriteText("this"); }

void CorvelThis::Debug(int indent) { OutputDebug(indent, "This\n"); }

CorvelStatus CorvelThis::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    result = context->GetThis();
    return CorvelStatus::Normal;
}
