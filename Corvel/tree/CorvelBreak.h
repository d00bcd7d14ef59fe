// CorvelBreak: "break".
#pragma once

#include "CorvelStatement.h"

class CorvelBreak : public CorvelStatement {
public:
    CorvelBreak() = default;
    CorvelBreak(const CorvelBreak& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
};
