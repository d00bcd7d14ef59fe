// CorvelReturn: return [expression].
#pragma once

#include "CorvelStatement.h"

class CorvelExpression;

class CorvelReturn : public CorvelStatement {
public:
    // `expression` is null for a bare "return".
    explicit CorvelReturn(CorvelExpression* expression);
    CorvelReturn(const CorvelReturn& other);
    ~CorvelReturn() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;

    CorvelExpression* GetExpression() const { return expression; }

protected:
    CorvelExpression* expression;
};
