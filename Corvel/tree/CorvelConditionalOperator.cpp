#include "CorvelConditionalOperator.h"

#include "CorvelJSOutput.h"

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
    output->Write("(");
    if (condition) condition->WriteECMAScript(output);
    output->Write(" ? ");
    if (whenTrue) whenTrue->WriteECMAScript(output);
    output->Write(" : ");
    if (whenFalse) whenFalse->WriteECMAScript(output);
    output->Write(")");
}

void CorvelConditionalOperator::Debug(int indent) {
    OutputDebug(indent, "ConditionalOperator - (condition, true value, false value)\n");
    DebugChild(condition, indent + 1);
    DebugChild(whenTrue, indent + 1);
    DebugChild(whenFalse, indent + 1);
}
