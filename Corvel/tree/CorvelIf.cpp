#include "CorvelIf.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelJSOutput.h"
#include "CorvelOperator.h"
#include "CorvelProgress.h"
#include "CorvelRuntimeException.h"
#include "CorvelValue.h"

#include <new>

CorvelIf::CorvelIf(CorvelExpression* condition, CorvelStatement* thenStatement, CorvelStatement* elseStatement)
    : condition(condition), thenStatement(thenStatement), elseStatement(elseStatement) {
    NoteChild(condition);
    NoteChild(thenStatement);
    NoteChild(elseStatement);
}

CorvelIf::CorvelIf(const CorvelIf& other)
    : CorvelStatement(other),
      condition(CopyOf(other.condition)),
      thenStatement(CopyOf(other.thenStatement)),
      elseStatement(CopyOf(other.elseStatement)) {}

CorvelIf::~CorvelIf() {
    delete condition;
    delete thenStatement;
    delete elseStatement;
}


void CorvelIf::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("if (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (condition) condition->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->WriteText(") {\n");
    WriteIndented(output, thenStatement);
    if (elseStatement) {
        output->WriteTabs(0);
        output->WriteText("} else {\n");
        WriteIndented(output, elseStatement);
    }
    output->WriteTabs(0);
    output->WriteText("}\n");
}

void CorvelIf::Debug(int indent) {
    OutputDebug(indent, "If - (condition, statement, else_statement)\n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(thenStatement, indent + 1, "statement = NULL; \n");
    DebugChild(elseStatement, indent + 1, "else_statement = NULL; \n");
}

// Phases: -1 condition, 2 then-branch, 3 else-branch. The condition is
// evaluated again after a suspension; its own records resume it.
CorvelStatus CorvelIf::RunStatement(CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int32_t index = progress.GetIndex();
    bool takeThen = index == 2;
    if (index == -1) {
        try {
            if (condition->EvaluateCondition(takeThen, context) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        } catch (CorvelRuntimeException* exception) {
            StampError(exception);
            throw;
        } catch (const std::bad_alloc&) {
            throw OutOfMemoryError();
        }
    }
    const CorvelStatement* branch = takeThen ? thenStatement : elseStatement;
    CorvelStatus status = branch ? branch->RunStatement(context) : CorvelStatus(CorvelStatus::Normal);
    if (status == CorvelStatus::Suspend) return progress.Suspend(takeThen ? 2 : 3);
    progress.Clear();
    return status;
}

void CorvelIf::InstantiateVariables(CorvelExecutionContext* context) const {
    if (thenStatement) thenStatement->InstantiateVariables(context);
    if (elseStatement) elseStatement->InstantiateVariables(context);
}
