#include "CorvelIf.h"

#include "CorvelExpression.h"
#include "CorvelJSOutput.h"

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

namespace {

void WriteIndented(CorvelJSOutput* output, const CorvelStatement* statement) {
    output->IncrementTab(1);
    if (statement) statement->WriteECMAScript(output);
    output->DecrementTab(1);
}

}  // namespace

void CorvelIf::WriteECMAScript(CorvelJSOutput* output) const {
    output->WriteTabs(0);
    output->Write("if (");
    output->SetFormattingMode(CorvelJSOutput::StatementHead);
    if (condition) condition->WriteECMAScript(output);
    output->SetFormattingMode(CorvelJSOutput::Normal);
    output->Write(") {\n");
    WriteIndented(output, thenStatement);
    if (elseStatement) {
        output->WriteTabs(0);
        output->Write("} else {\n");
        WriteIndented(output, elseStatement);
    }
    output->WriteTabs(0);
    output->Write("}\n");
}

void CorvelIf::Debug(int indent) {
    OutputDebug(indent, "If - (condition, statement, else_statement)\n");
    DebugChild(condition, indent + 1, "condition = NULL; \n");
    DebugChild(thenStatement, indent + 1, "statement = NULL; \n");
    DebugChild(elseStatement, indent + 1, "else_statement = NULL; \n");
}
