#include "CorvelFor.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"
#include "CorvelOperator.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"

CorvelFor::CorvelFor(CorvelExpression* initialiser, CorvelExpressionList* declarations, CorvelExpression* increment,
                     CorvelExpression* condition, CorvelStatement* body)
    : initialiser(initialiser), declarations(declarations), increment(increment), condition(condition), body(body) {
    NoteChild(initialiser);
    NoteChild(declarations);
    NoteChild(increment);
    NoteChild(condition);
    NoteChild(body);
}

CorvelFor::CorvelFor(const CorvelFor& other)
    : CorvelStatement(other),
      initialiser(CopyOf(other.initialiser)),
      declarations(CopyOf(other.declarations)),
      increment(CopyOf(other.increment)),
      condition(CopyOf(other.condition)),
      body(CopyOf(other.body)) {}

CorvelFor::~CorvelFor() {
    delete initialiser;
    delete declarations;
    delete increment;
    delete condition;
    delete body;
}

void CorvelFor::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("for (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    // The "var" form must read back as declarations, not as assignments.
    if (declarations) {
        output->WriteText("var ");
        declarations->WriteECMAScript(output);
    } else if (initialiser) {
        initialiser->WriteECMAScript(output);
    }
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->WriteText(";");
    if (condition) condition->WriteECMAScript(output);
    output->WriteText(";");
    if (increment) increment->WriteECMAScript(output);
    WriteBracedBody(output, body);
}

void CorvelFor::Debug(int indent) {
    OutputDebug(indent, "CorvelFor....  ( init, condition , iterator, statement)\n");
    DebugChild(initialiser, indent + 1, "init = NULL; \n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(increment, indent + 1, "iterator = NULL; \n");
    DebugChild(body, indent + 1, "statement = NULL; \n");
}

CorvelStatus CorvelFor::RunStart(CorvelExecutionContext* context, CorvelProgress& progress) const {
    if (initialiser) {
        CorvelValue ignored;
        if (initialiser->EvaluateDereferenced(ignored, context) == CorvelStatus::Suspend) return progress.Suspend(4);
    }
    if (declarations) {
        int first = progress.GetIndex() >= 4 ? progress.GetIndex() - 4 : 0;
        for (int i = first; i < declarations->GetNumberOfExpressions(); ++i) {
            if (declarations->GetExpression(i)->RunStatement(context) != CorvelStatus::Normal)
                return progress.Suspend(4 + i);
        }
    }
    return CorvelStatus::Normal;
}

// Phases: 4 + i the start, 1 condition, 3 body, 2 increment, 0 between
// steps. A yield keeps a body or increment phase, so that neither the
// condition nor the body runs again in the middle of an iteration.
CorvelStatus CorvelFor::RunStatement(CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int32_t index = progress.GetIndex();
    CorvelValue completion = progress.TakeKeptValue();
    bool keeps = KeepsCompletionValues(context);
    if (index == -1 || index >= 4) {
        if (RunStart(context, progress) == CorvelStatus::Suspend) return CorvelStatus::Suspend;
        index = 0;
    }
    for (;;) {
        if (ShouldYield(context)) return progress.Suspend(index == 2 || index == 3 ? index : 1, std::move(completion));
        if (condition && (index == 0 || index == 1)) {
            bool truth;
            if (condition->EvaluateCondition(truth, context) == CorvelStatus::Suspend)
                return progress.Suspend(1, std::move(completion));
            if (!truth) break;
            index = 0;
        }
        if (index != 2) {
            CorvelStatus status = body ? body->RunStatement(context) : CorvelStatus(CorvelStatus::Normal);
            if (status == CorvelStatus::Suspend) return progress.Suspend(3, std::move(completion));
            if (status == CorvelStatus::Return) {
                progress.Clear();
                return status;
            }
            if (keeps) SaveCompletionValue(context, completion);
            if (status == CorvelStatus::Break) break;
        }
        if (increment) {
            CorvelValue ignored;
            if (increment->EvaluateDereferenced(ignored, context) == CorvelStatus::Suspend)
                return progress.Suspend(2, std::move(completion));
        }
        index = 0;
    }
    if (keeps) RestoreCompletionValue(context, completion);
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelFor::InstantiateVariables(CorvelExecutionContext* context) const {
    context->InstantiateVariables(declarations);
    if (body) body->InstantiateVariables(context);
}
