// CorvelWhile: while (condition) body.
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;

class CorvelWhile : public CorvelStatement {
public:
    CorvelWhile(CorvelExpression* condition, CorvelStatement* body);
    CorvelWhile(const CorvelWhile& other);
    ~CorvelWhile() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelExpression* GetCondition() const { return condition; }
    CorvelStatement* GetBody() const { return body; }

protected:
    CorvelExpression* condition;
    CorvelStatement* body;
};
