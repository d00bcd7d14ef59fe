#include "CorvelConditionalOperator.h"

#include "CorvelJSOutput.h"
#include "CorvelOperator.h"
#include "CorvelProgress.h"
#include "CorvelValue.h"

CorvelConditionalOperator::CorvelConditionalOperator(CorvelExpression* condition, CorvelExpression* whenTrue,
                                                     CorvelExpression* whenFalse)
    : condition(condition), whenTrue(whenTrue), whenFalse(whenFalse) {
    NoteChild(condition);
    NoteChild(whenTrue);
    NoteChild(whenFalse);
}

CorvelConditionalOperator::CorvelConditionalOperator(const CorvelConditionalOperator& other)
    : CorvelExpression(other),
      condition(CopyOf(other.condition)),
      whenTrue(CopyOf(other.whenTrue)),
      whenFalse(CopyOf(other.whenFalse)) {}

CorvelConditionalOperator::~CorvelConditionalOperator() {
    delete condition;
    delete whenTrue;
    delete whenFalse;
}

void CorvelConditionalOperator::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteText("(");
    if (condition) condition->WriteECMAScript(output);
    output->WriteText(" ? ");
    if (whenTrue) whenTrue->WriteECMAScript(output);
    output->WriteText(" : ");
    if (whenFalse) whenFalse->WriteECMAScript(output);
    output->WriteText(")");
}

void CorvelConditionalOperator::Debug(int indent) {
    OutputDebug(indent, "ConditionalOperator - (condition, true value, false value)\n");
    DebugChild(condition, indent + 1);
    DebugChild(whenTrue, indent + 1);
    DebugChild(whenFalse, indent + 1);
}

// Phases: 1 condition, 2 second operand, 3 third operand.
CorvelStatus CorvelConditionalOperator::Evaluate(CorvelValue& result, CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int32_t index = progress.GetIndex();
    bool first = index == 2;
    if (index == -1 || index == 1) {
        if (condition->EvaluateCondition(first, context) == CorvelStatus::Suspend) return progress.Suspend(1);
    }
    const CorvelExpression* chosen = first ? whenTrue : whenFalse;
    if (chosen->EvaluateDereferenced(result, context) == CorvelStatus::Suspend) return progress.Suspend(first ? 2 : 3);
    progress.Clear();
    return CorvelStatus::Normal;
}
