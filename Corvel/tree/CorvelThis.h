// CorvelThis: the "this" keyword.
#pragma once

#include "CorvelExpression.h"

class CorvelThis : public CorvelExpression {
public:
    CorvelThis() { isThis = true; }
    CorvelThis(const CorvelThis& other) : CorvelExpression(other) { isThis = true; }

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;
};
