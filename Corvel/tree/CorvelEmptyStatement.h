// CorvelEmptyStatement: a lone ";".
#pragma once

#include "CorvelStatement.h"

class CorvelEmptyStatement : public CorvelStatement {
public:
    CorvelEmptyStatement() = default;
    CorvelEmptyStatement(const CorvelEmptyStatement& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus RunStatement(CorvelExecutionContext* context) const override;
    void InstantiateVariables(CorvelExecutionContext* context) const override;
};
