#include "CorvelWhile.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

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
    output->Write("while (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (condition) condition->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->Write(") {\n");
    if (body) {
        output->IncrementTab(1);
        body->WriteECMAScript(output);
        output->DecrementTab(1);
    }
    output->WriteTabs(0);
    output->Write("}\n");
}

void CorvelWhile::Debug(int indent) {
    OutputDebug(indent, "CorvelWhile....  ( condition , statement)\n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(body, indent + 1, "statement = NULL; \n");
}
