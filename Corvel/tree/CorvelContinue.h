// CorvelContinue: "continue".
#pragma once

#include "CorvelStatement.h"

class CorvelContinue : public CorvelStatement {
public:
    CorvelContinue() = default;
    CorvelContinue(const CorvelContinue& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
};
