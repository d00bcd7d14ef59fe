// CorvelFunctionCall: function(arguments).
#pragma once

#include "CorvelInvocation.h"

class CorvelFunctionCall : public CorvelInvocation {
public:
    // The progress of one call.
    typedef InvocationStatementPosition FunctionCallStatementPosition;

    // `arguments` is null when the call has no argument list.
    CorvelFunctionCall(CorvelExpression* function, CorvelExpressionList* arguments);
    CorvelFunctionCall(const CorvelFunctionCall& other) = default;

    void WriteECMAScript(CorvelJSOutput* output) const override;
    void Debug(int indent) override;
    CorvelStatus Evaluate(CorvelValue& result, CorvelExecutionContext* context) const override;

    CorvelExpression* GetFunction() const { return callee; }

private:
    // The callee is read only after the arguments: the object it names
    // then is called, with the callee's base as `this`.
    void SelectObject(InvocationStatementPosition& call, const CorvelExecutionContext* context) const override;
    CorvelStatus Invoke(InvocationStatementPosition& call, CorvelValue& result,
                        CorvelExecutionContext* context) const override;
};
