#include "CorvelWhile.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelJSOutput.h"
#include "CorvelOperator.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"

CorvelWhile::CorvelWhile(CorvelExpression* condition, CorvelStatement* body) : condition(condition), body(body) {
    NoteChild(condition);
    NoteChild(body);
}

CorvelWhile::CorvelWhile(const CorvelWhile& other)
    : CorvelStatement(other), condition(CopyOf(other.condition)), body(CopyOf(other.body)) {}

CorvelWhile::~CorvelWhile() {
    delete condition;
    delete body;
}

void CorvelWhile::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("while (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (condition) condition->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    WriteBracedBody(output, body);
}

void CorvelWhile::Debug(int indent) {
    OutputDebug(indent, "CorvelWhile....  ( condition , statement)\n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(body, indent + 1, "statement = NULL; \n");
}

// Phases: 1 condition, 2 body, 0 after a yield. A yield while the body is
// being resumed keeps phase 2, so the condition is not evaluated again in
// the middle of an iteration.
CorvelStatus CorvelWhile::RunStatement(CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int32_t index = progress.GetIndex();
    CorvelValue completion = progress.TakeKeptValue();
    bool keeps = KeepsCompletionValues(context);
    for (;;) {
        if (ShouldYield(context)) return progress.Suspend(index == 2 ? 2 : 0, std::move(completion));
        if (index != 2) {
            bool truth;
            if (condition->EvaluateCondition(truth, context) == CorvelStatus::Suspend)
                return progress.Suspend(1, std::move(completion));
            if (!truth) break;
        }
        CorvelStatus status = body ? body->RunStatement(context) : CorvelStatus(CorvelStatus::Normal);
        if (status == CorvelStatus::Suspend) return progress.Suspend(2, std::move(completion));
        index = 0;
        if (status == CorvelStatus::Return) {
            progress.Clear();
            return status;
        }
        if (keeps) SaveCompletionValue(context, completion);
        if (status == CorvelStatus::Break) break;
    }
    if (keeps) RestoreCompletionValue(context, completion);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelWhile::InstantiateVariables(CorvelExecutionContext* context) const {
    if (body) body->InstantiateVariables(context);
}
