// CorvelIf: if (condition) thenStatement [else elseStatement].
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;

class CorvelIf : public CorvelStatement {
public:
    // `elseStatement` may be null.
    CorvelIf(CorvelExpression* condition, CorvelStatement* thenStatement, CorvelStatement* elseStatement);
    CorvelIf(const CorvelIf& other);
    ~CorvelIf() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelExpression* GetCondition() const { return condition; }
    CorvelStatement* GetThenStatement() const { return thenStatement; }
    CorvelStatement* GetElseStatement() const { return elseStatement; }

protected:
    CorvelExpression* condition;
    CorvelStatement* thenStatement;
    CorvelStatement* elseStatement;
};
