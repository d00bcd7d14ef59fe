#include "CorvelExpressionList.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

CorvelExpressionList::CorvelExpressionList(CorvelExpression* first) {
    expressions.Reserve(kParsedListRoom);
    AddExpression(first);
}

CorvelExpressionList::CorvelExpressionList(const CorvelExpressionList& other) : CorvelTreeElement(other) {
    expressions.Reserve(other.GetNumberOfExpressions());
    for (int i = 0; i < other.GetNumberOfExpressions(); ++i) expressions.Add(CopyOf(other.expressions[i]));
}

CorvelExpressionList::~CorvelExpressionList() {
    for (int i = 0; i < expressions.GetSize(); ++i) delete expressions[i];
}

void CorvelExpressionList::AddExpression(CorvelExpression* expression) {
    if (!expression) return;
    expressions.Add(expression);
    NoteChild(expression);
}

void CorvelExpressionList::WriteECMAScript(CorvelJSOutput* output) const {
    for (int i = 0; i < expressions.GetSize(); ++i) {
        if (i > 0) output->WriteText(", ");
        expressions[i]->WriteECMAScript(output);
    }
}

void CorvelExpressionList::Debug(int indent) {
    OutputDebug(indent, "CorvelExpressionList - entries: %d\n", expressions.GetSize());
    for (int i = 0; i < expressions.GetSize(); ++i) expressions[i]->Debug(indent + 1);
}
