#include "CorvelVar.h"

#include "CorvelExecutionContext.h"
#include "CorvelExpression.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"
#include "CorvelProgress.h"

CorvelVar::CorvelVar(CorvelExpressionList* declarations) : declarations(declarations) { NoteChild(declarations); }

CorvelVar::CorvelVar(const CorvelVar& other) : CorvelStatement(other), declarations(CopyOf(other.declarations)) {}

CorvelVar::~CorvelVar() { delete declarations; }

void CorvelVar::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->WriteText("var ");
    if (declarations) declarations->WriteECMAScript(output);
    output->WriteText(";\n");
}

void CorvelVar::Debug(int indent) {
    OutputDebug(indent, "Var\n");
    DebugChild(declarations, indent + 1);
}

// The declarations run as expression statements, so the completion value
// is that of the last one. The phase is the declaration being run.
CorvelStatus CorvelVar::RunStatement(CorvelExecutionContext* context) const {
    CorvelProgress progress(context, this);
    int count = declarations ? declarations->GetNumberOfExpressions() : 0;
    for (int index = progress.IsResumed() ? progress.GetIndex() : 0; index < count; ++index) {
        if (declarations->GetExpression(index)->RunStatement(context) == CorvelStatus::Suspend)
            return progress.Suspend(index);
    }
    progress.Clear();
    return CorvelStatus::Normal;
}

void CorvelVar::InstantiateVariables(CorvelExecutionContext* context) const {
    context->InstantiateVariables(declarations);
}
