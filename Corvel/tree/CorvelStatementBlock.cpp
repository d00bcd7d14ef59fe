#include "CorvelStatementBlock.h"

#include "CorvelJSOutput.h"
#include "CorvelStatementList.h"

CorvelStatementBlock::CorvelStatementBlock(CorvelStatementList* statements, bool owns)
    : statements(statements), ownsStatements(owns) {
    NoteChild(statements);
}

CorvelStatementBlock::CorvelStatementBlock(const CorvelStatementBlock& other)
    : CorvelStatement(other),
      statements(other.ownsStatements ? CopyOf(other.statements) : other.statements),
      ownsStatements(other.ownsStatements) {}

CorvelStatementBlock::~CorvelStatementBlock() {
    if (ownsStatements) delete statements;
}

void CorvelStatementBlock::WriteECMAScript(CorvelJSOutput* output) const {
    if (statements) statements->WriteECMAScript(output);
}

void CorvelStatementBlock::Debug(int indent) {
    OutputDebug(indent, "StatementBlock (statement list)\n");
    DebugChild(statements, indent + 1, "NULL\n");
}
