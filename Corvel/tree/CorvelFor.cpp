#include "CorvelFor.h"

#include "CorvelExpression.h"
#include "CorvelExpressionList.h"
#include "CorvelJSOutput.h"

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
    output->Write("for (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    // The "var" form must read back as declarations, not as assignments.
    if (declarations) {
        output->Write("var ");
        declarations->WriteECMAScript(output);
    } else if (initialiser) {
        initialiser->WriteECMAScript(output);
    }
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->Write(";");
    if (condition) condition->WriteECMAScript(output);
    output->Write(";");
    if (increment) increment->WriteECMAScript(output);
    output->Write(") {\n");
    output->IncrementTab(1);
    if (body) body->WriteECMAScript(output);
    output->DecrementTab(1);
    output->WriteTabs(0);
    output->Write("}\n");
}

void CorvelFor::Debug(int indent) {
    OutputDebug(indent, "CorvelFor....  ( init, condition , iterator, statement)\n");
    DebugChild(initialiser, indent + 1, "init = NULL; \n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(increment, indent + 1, "iterator = NULL; \n");
    DebugChild(body, indent + 1, "statement = NULL; \n");
}
