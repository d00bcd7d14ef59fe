// CorvelConditionalOperator: condition ? whenTrue : whenFalse.
#pragma once

#include "CorvelExpression.h"

class CorvelConditionalOperator : public CorvelExpression {
public:
    CorvelConditionalOperator(CorvelExpression* condition, CorvelExpression* whenTrue,
                              CorvelExpression* whenFalse);
    CorvelConditionalOperator(const CorvelConditionalOperator& other);
    ~CorvelConditionalOperator() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    CorvelExpression* GetCondition() const { return condition; }
    CorvelExpression* GetTrueValue() const { return whenTrue; }
    CorvelExpression* GetFalseValue() const { return whenFalse; }

protected:
    CorvelExpression* condition;
    CorvelExpression* whenTrue;
    CorvelExpression* whenFalse;
};
