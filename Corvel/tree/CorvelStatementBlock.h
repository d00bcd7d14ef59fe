// CorvelStatementBlock: a braced block over a statement list. An execution
// context runs the parser's list through a block that does not own it.
#pragma once

#include "CorvelStatement.h"

class CorvelStatementList;

class CorvelStatementBlock : public CorvelStatement {
public:
    // `statements` may be null (an empty block).
    CorvelStatementBlock(CorvelStatementList* statements, bool owns);
    // An owning block copies its list; a borrowing one shares it.
    CorvelStatementBlock(const CorvelStatementBlock& other);
    ~CorvelStatementBlock() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelStatementList* GetStatements() const { return statements; }
    bool OwnsStatements() const { return ownsStatements; }

protected:
    CorvelStatementList* statements;
    bool ownsStatements;
};
