#include "CorvelStatement.h"

#include "CorvelExecutionContext.h"
#include "CorvelJSOutput.h"
#include "CorvelValue.h"

#include <utility>

CorvelStatementPosition* CorvelStatement::CreateStatementPosition() const { return nullptr; }

// Moved rather than copied: until the block or loop ends nothing reads the
// context's value, and the block puts the kept one back when it does.
bool CorvelStatement::KeepsCompletionValues(const CorvelExecutionContext* context) {
    return context->GetCodeType() != CorvelExecutionContext::FunctionCode;
}

void CorvelStatement::SaveCompletionValue(CorvelExecutionContext* context, CorvelValue& completion) {
    CorvelValue& left = context->GetReturnValue();
    if (left.GetType() != CorvelValue::Undefined) completion = std::move(left);
}

void CorvelStatement::RestoreCompletionValue(CorvelExecutionContext* context, CorvelValue& completion) {
    context->GetReturnValue() = std::move(completion);
}

bool CorvelStatement::ShouldYield(CorvelExecutionContext* context) { return context->CheckAbort(); }

void CorvelStatement::WriteIndented(CorvelJSOutput* output, const CorvelStatement* statement) {
    output->IncrementTab(1);
    if (statement) statement->WriteECMAScript(output);
    output->DecrementTab(1);
}

void CorvelStatement::WriteBracedBody(CorvelJSOutput* output, const CorvelStatement* body) {
    output->WriteText(") {\n");
    WriteIndented(output, body);
    output->WriteTabs(0);
    output->WriteText("}\n");
}
