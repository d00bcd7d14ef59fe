#include "CorvelStatementBlock.h"

#include "CorvelExecutionContext.h"
#include "CorvelJSOutput.h"
#include "CorvelProgress.h"
#include "CorvelStatementList.h"
#include "CorvelValue.h"

#include <utility>

CorvelStatementBlock::CorvelStatementBlock(CorvelStatementList* statements, bool owns)
    : statements(statements), ownsStatements(owns) {
    NoteChild(statements);
}

CorvelStatementBlock::CorvelStatementBlock(const CorvelStatementBlock& other)
    : CorvelStatement(other),
      statements(other.ownsStatements ? CopyOf(other.statements) : other.statements),
      ownsStatements(other.ownsStatements) {}

CorvelStatementBlock::~CorvelStatementBlock() {
    if (ownsStatements) delete statements;
}

void CorvelStatementBlock::WriteECMAScript(CorvelJSOutput* output) const {
    if (statements) statements->WriteECMAScript(output);
}

void CorvelStatementBlock::Debug(int indent) {
    OutputDebug(indent, "StatementBlock (statement list)\n");
    DebugChild(statements, indent + 1, "NULL\n");
}

// The phase is the statement being run; the kept value is the completion
// value so far. A return keeps the value it was given.
CorvelStatus CorvelStatementBlock::RunStatement(CorvelExecutionContext* context) const {
    if (!statements) {
        context->ClearReturnValue();
        return CorvelStatus::Normal;
    }
    CorvelProgress progress(context, this);
    CorvelValue completion = progress.TakeKeptValue();
    bool keeps = KeepsCompletionValues(context);
    int count = statements->GetNumberOfStatements();
    for (int index = progress.IsResumed() ? progress.GetIndex() : 0; index < count; ++index) {
        CorvelStatus status = statements->GetStatement(index)->RunStatement(context);
        if (status == CorvelStatus::Return) {
            progress.Clear();
            return status;
        }
        if (keeps) SaveCompletionValue(context, completion);
        if (status == CorvelStatus::Suspend) return progress.Suspend(index, std::move(completion));
        if (status != CorvelStatus::Normal) {
            if (keeps) RestoreCompletionValue(context, completion);
            progress.Clear();
            return status;
        }
    }
    if (keeps) RestoreCompletionValue(context, completion);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelStatementBlock::InstantiateVariables(CorvelExecutionContext* context) const {
    if (!statements) return;
    for (int i = 0; i < statements->GetNumberOfStatements(); ++i)
        statements->GetStatement(i)->InstantiateVariables(context);
}
