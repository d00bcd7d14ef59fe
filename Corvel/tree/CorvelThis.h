// CorvelThis: the "this" keyword.
#pragma once

#include "CorvelExpression.h"

class CorvelThis : public CorvelExpression {
public:
    CorvelThis() = default;
    CorvelThis(const CorvelThis& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;
};
