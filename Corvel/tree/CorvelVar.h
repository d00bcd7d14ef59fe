// CorvelVar: "var" and its declarations. Each declaration is an identifier or
// an assignment operator whose left operand is the identifier.
#pragma once

#include "CorvelStatement.h"

class CorvelExpressionList;

class CorvelVar : public CorvelStatement {
public:
    explicit CorvelVar(CorvelExpressionList* declarations);
    CorvelVar(const CorvelVar& other);
    ~CorvelVar() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelExpressionList* GetDeclarations() const { return declarations; }

protected:
    CorvelExpressionList* declarations;
};
