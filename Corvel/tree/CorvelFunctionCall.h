// CorvelFunctionCall: function(arguments).
#pragma once

#include "CorvelExpression.h"

class CorvelExpressionList;

class CorvelFunctionCall : public CorvelExpression {
public:
    // `arguments` is null when the call has no argument list.
    CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments);
    CorvelFunctionCall(const CorvelFunctionCall& other);
    ~CorvelFunctionCall() override;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;

    CorvelExpression* GetFunction() const { return function; }
    CorvelExpressionList* GetArguments() const { return arguments; }

protected:
    CorvelExpression* function;
    CorvelExpressionList* arguments;
};
